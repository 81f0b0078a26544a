# The translations are complete for the sources as they are: lupdate brings copies of the .ts
# files up to date with the sources (a new text comes in unfinished, a text gone is marked
# vanished), and check_translations fails on any such entry and on lost placeholders.
# In: SOURCE (the source tree), SCRATCH (a folder to work in), LUPDATE, CHECK, LANGUAGES (comma-separated).
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
set(copies)
foreach(language IN LISTS LANGUAGES)
    file(COPY "${SOURCE}/translations/korvelt_${language}.ts" DESTINATION "${SCRATCH}")
    list(APPEND copies "${SCRATCH}/korvelt_${language}.ts")
endforeach()
set(folders core text device report editor helpviewer app cli)
execute_process(COMMAND "${LUPDATE}" -silent -locations none -extensions cpp,h -I "${SOURCE}" ${folders} -ts ${copies}
                WORKING_DIRECTORY "${SOURCE}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
execute_process(COMMAND "${CHECK}" ${copies} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The translations are not complete: cmake --build <build> --target korvelt_lupdate, then translate what is unfinished")
endif()
