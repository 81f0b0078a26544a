cmake_minimum_required(VERSION 3.25)
# Run by the korvelt_packages target (cmake -P): installs the build into a clean stage folder,
# lists its files for the installer script, runs makensis and zips the stage.
# In: BUILD_DIR, PACKAGE_DIR, PACKAGE_NAME, VERSION, NSIS_SCRIPT, MAKENSIS, STRIP.
set(stage "${PACKAGE_DIR}/stage/KORVELT Time Control")
file(REMOVE_RECURSE "${PACKAGE_DIR}")
file(MAKE_DIRECTORY "${PACKAGE_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${stage}" --strip
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "Installing into ${stage} failed")
endif()

# The install strips the programs; the DLLs and plugins beside them (Qt's, the MinGW runtime's)
# come with their symbols and debugging sections, which a user never needs: libstdc++-6.dll
# shrinks from 23.7 to 2 MB.
file(GLOB_RECURSE libraries "${stage}/*.dll")
foreach(library IN LISTS libraries)
    execute_process(COMMAND "${STRIP}" --strip-unneeded "${library}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Stripping ${library} failed")
    endif()
endforeach()

# One File line per file, into its folder; the uninstaller deletes the same files and then each
# folder, deepest first, when it is empty.
file(GLOB_RECURSE files RELATIVE "${stage}" "${stage}/*")
list(SORT files)
set(install "")
set(uninstall "")
set(folders "")
foreach(file IN LISTS files)
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windowsFile "${file}")
    string(REPLACE "/" "\\" windowsFolder "${folder}")
    string(APPEND install "SetOutPath \"$INSTDIR\\${windowsFolder}\"\nFile \"${stage}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windowsFile}\"\n")
    while(folder AND NOT folder IN_LIST folders)
        list(APPEND folders "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
string(APPEND install "SetOutPath \"$INSTDIR\"\n")
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windowsFolder "${folder}")
    string(APPEND uninstall "RMDir \"$INSTDIR\\${windowsFolder}\"\n")
endforeach()
file(WRITE "${PACKAGE_DIR}/nsis/files-install.nsh" "${install}")
file(WRITE "${PACKAGE_DIR}/nsis/files-uninstall.nsh" "${uninstall}")
configure_file("${NSIS_SCRIPT}" "${PACKAGE_DIR}/nsis/installer.nsi" COPYONLY)
get_filename_component(nsisFolder "${NSIS_SCRIPT}" DIRECTORY)
configure_file("${nsisFolder}/languages.nsh" "${PACKAGE_DIR}/nsis/languages.nsh" COPYONLY)

execute_process(COMMAND "${MAKENSIS}" -V2 -DVERSION=${VERSION} -DSTAGE=${stage}
                        "-DOUTFILE=${PACKAGE_DIR}/${PACKAGE_NAME}-setup.exe" installer.nsi
                WORKING_DIRECTORY "${PACKAGE_DIR}/nsis" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makensis failed")
endif()

# The portable zip holds the same folder.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${PACKAGE_DIR}/${PACKAGE_NAME}.zip" --format=zip
                        "KORVELT Time Control"
                WORKING_DIRECTORY "${PACKAGE_DIR}/stage" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Making the zip failed")
endif()
message(STATUS "Windows installer: ${PACKAGE_DIR}/${PACKAGE_NAME}-setup.exe")
message(STATUS "Portable zip:      ${PACKAGE_DIR}/${PACKAGE_NAME}.zip")
