# Runs CheckLayerIncludes.cmake on small trees of its own, one include each, and fails unless
# it passes the allowed includes and refuses the others with the reason.
#   cmake -DCHECK=<CheckLayerIncludes.cmake> -DSCRATCH=<empty folder to use> -P CheckLayerIncludesTest.cmake
cmake_minimum_required(VERSION 3.25)

# Each case: the file, the include line in it, and "pass" or a part of the reason it is refused.
set(cases
    "core/A.h|#include \"core/B.h\"|pass"
    "core/A.h|#include <vector>|pass"
    "text/A.h|#include \"platform/B.h\"|pass"
    "editor/A.cpp|#include \"core/B.h\"|pass"
    "app/A.h|#include \"simulator/B.h\"|pass"
    "app/A.h|#include <QWidget>|pass"
    "cli/A.cpp|#include \"report/B.h\"|pass"
    "cli/A.cpp|#include \"cli/sub/B.h\"|pass"
    "cli/A.cpp|#include \"app/sub/B.h\"|cli/ may not use app/"
    "core/A.h|#include <QString>|core/ includes only the C++ standard library"
    "core/A.h|#include <windows.h>|core/ includes only the C++ standard library"
    "core/A.h|#include \"text/B.h\"|core/ may not use text/"
    "device/A.h|#include \"simulator/B.h\"|device/ may not use simulator/"
    "editor/A.h|#include \"report/B.h\"|editor/ may not use report/"
    "report/A.cpp|#include \"editor/B.h\"|report/ may not use editor/"
    "cli/A.cpp|#include \"app/B.h\"|cli/ may not use app/"
    "helpviewer/A.cpp|#include \"core/B.h\"|helpviewer/ may not use core/"
    "app/A.h|#include \"B.h\"|not included by its layer"
    "app/A.h|#include \"tests/B.h\"|not included by its layer"
    "app/A.h|#include <text/B.h>|the program's own header, to be included as \"text/B.h\""
    "app/A.h|#include \"text/Missing.h\"|no such file")

set(layers core platform text device editor report helpviewer simulator app cli)
set(failed "")
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 file)
    list(GET parts 1 line)
    list(GET parts 2 expected)
    file(REMOVE_RECURSE ${SCRATCH})
    foreach(layer IN LISTS layers)
        file(WRITE ${SCRATCH}/${layer}/B.h "#pragma once\n")
        file(WRITE ${SCRATCH}/${layer}/sub/B.h "#pragma once\n")
    endforeach()
    file(WRITE ${SCRATCH}/${file} "#pragma once\n${line}\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SCRATCH} -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    string(REGEX REPLACE "[ \n]+" " " out "${out}")
    if(expected STREQUAL "pass")
        if(NOT result EQUAL 0)
            list(APPEND failed "${file} with ${line}: refused, should pass: ${out}")
        endif()
    else()
        string(FIND "${out}" "${file}: ${line}: ${expected}" at)
        if(result EQUAL 0 OR at EQUAL -1)
            list(APPEND failed "${file} with ${line}: should be refused with \"${expected}\": ${out}")
        endif()
    endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
if(failed)
    list(JOIN failed "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH cases count)
message(STATUS "the include check judged ${count} includes rightly")
