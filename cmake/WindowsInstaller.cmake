cmake_minimum_required(VERSION 3.25)
# Run by the korvelt_packages target (cmake -P): installs the build into a clean stage folder,
# strips the libraries, lists its files for the installer script, makes the installer's
# pictures from the program's icon, runs makensis, makes the MSI of the same files with wixl
# and zips the stage.
# In: BUILD_DIR, PACKAGE_DIR, PACKAGE_NAME, VERSION, SOURCE_DIR, STRIP and the tools
# MAKENSIS_EXECUTABLE, WIXL_EXECUTABLE, WIXL_HEAT_EXECUTABLE, MSIBUILD_EXECUTABLE,
# CONVERT_EXECUTABLE.
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
set(nsis "${PACKAGE_DIR}/nsis")
configure_file("${SOURCE_DIR}/windows/installer.nsi" "${nsis}/installer.nsi" COPYONLY)
configure_file("${SOURCE_DIR}/windows/languages.nsh" "${nsis}/languages.nsh" COPYONLY)
configure_file("${stage}/licence.txt" "${nsis}/licence.txt" COPYONLY)

# The installed size in KiB, for Add/Remove Programs.
set(size 0)
foreach(file IN LISTS files)
    file(SIZE "${stage}/${file}" bytes)
    math(EXPR size "${size} + ${bytes}")
endforeach()
math(EXPR sizeKiB "(${size} + 1023) / 1024")

# The icon of the installer, the uninstaller and the MSI's entry is the programs' own, made by
# the build from the SVG; the pictures of the installer's pages are sizes of it on white.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        list(GET ARGN 0 tool)
        message(FATAL_ERROR "${tool} failed")
    endif()
endfunction()
set(drawn "${BUILD_DIR}/windows")
set(icon "${nsis}/korvelt.ico")
file(COPY_FILE "${drawn}/korvelt.ico" "${icon}")
run("${CONVERT_EXECUTABLE}" -size 164x314 xc:white "${drawn}/icon-128.png" -gravity north -geometry +0+48
    -composite -type TrueColor BMP3:${nsis}/wizard.bmp)
run("${CONVERT_EXECUTABLE}" -size 150x57 xc:white "${drawn}/icon-48.png" -gravity east -geometry +8+0
    -composite -type TrueColor BMP3:${nsis}/header.bmp)

execute_process(COMMAND "${MAKENSIS_EXECUTABLE}" -V2 -DVERSION=${VERSION} -DSTAGE=${stage} -DSIZE_KB=${sizeKiB}
                        -DICON=${icon} "-DOUTFILE=${PACKAGE_DIR}/${PACKAGE_NAME}-setup.exe" installer.nsi
                WORKING_DIRECTORY "${nsis}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "makensis failed")
endif()

# The MSI: the same files, listed by wixl-heat.
set(msi "${PACKAGE_DIR}/msi")
file(MAKE_DIRECTORY "${msi}")
list(JOIN files "\n" fileLines)
file(WRITE "${msi}/files.txt" "${fileLines}\n")
execute_process(COMMAND "${WIXL_HEAT_EXECUTABLE}" -p "" --component-group ProgramFiles --var var.Stage
                        --directory-ref INSTALLDIR --win64
                INPUT_FILE "${msi}/files.txt" OUTPUT_FILE "${msi}/files.wxs" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "wixl-heat failed")
endif()
# wixl finds the files relative to the sources' folder.
configure_file("${SOURCE_DIR}/windows/korvelt.wxs" "${msi}/korvelt.wxs" COPYONLY)
execute_process(COMMAND "${WIXL_EXECUTABLE}" -a x64 -D "Stage=../stage/KORVELT Time Control" -D Win64=yes
                        -D "Version=${VERSION}.0" -D "Icon=../nsis/korvelt.ico"
                        -o "${PACKAGE_DIR}/${PACKAGE_NAME}.msi" korvelt.wxs files.wxs
                WORKING_DIRECTORY "${msi}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "wixl failed")
endif()
# The queries hold semicolons, which CMake's lists would split at.
file(READ "${SOURCE_DIR}/windows/msi-tables.sql" queries)
string(REPLACE ";" "<semicolon>" queries "${queries}")
string(REPLACE "\n" ";" queries "${queries}")
foreach(query IN LISTS queries)
    if(query AND NOT query MATCHES "^--")
        string(REPLACE "<semicolon>" ";" query "${query}")
        execute_process(COMMAND "${MSIBUILD_EXECUTABLE}" "${PACKAGE_DIR}/${PACKAGE_NAME}.msi" -q "${query}"
                        RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "msibuild failed: ${query}")
        endif()
    endif()
endforeach()

# The portable zip holds the same folder.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${PACKAGE_DIR}/${PACKAGE_NAME}.zip" --format=zip
                        "KORVELT Time Control"
                WORKING_DIRECTORY "${PACKAGE_DIR}/stage" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Making the zip failed")
endif()
message(STATUS "Windows installer: ${PACKAGE_DIR}/${PACKAGE_NAME}-setup.exe")
message(STATUS "MSI:               ${PACKAGE_DIR}/${PACKAGE_NAME}.msi")
message(STATUS "Portable zip:      ${PACKAGE_DIR}/${PACKAGE_NAME}.zip")
