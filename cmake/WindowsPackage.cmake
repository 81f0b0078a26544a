# The Windows installers and the portable zip: `cmake --build build/windows --target korvelt_packages`
# installs the programs, their help and what they need into package/stage, then makes
# korvelt-time-control-1.00-win64-setup.exe with makensis (Debian package nsis),
# korvelt-time-control-1.00-win64.msi with wixl and msibuild (Debian packages wixl, msitools) and
# korvelt-time-control-1.00-win64.zip of the same folder, all in package/. The installers take
# the programs' icon, and ImageMagick's convert makes their pages' pictures of it.

# The licence and the change log go with the program, with Windows line ends.
configure_file(${PROJECT_SOURCE_DIR}/windows/licence.txt ${CMAKE_BINARY_DIR}/licence.txt NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/desktop/changelog ${CMAKE_BINARY_DIR}/changes.txt NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/licence.txt ${CMAKE_BINARY_DIR}/changes.txt DESTINATION .)

set(packageTools "")
foreach(tool makensis wixl wixl-heat msibuild convert)
    string(MAKE_C_IDENTIFIER "${tool}" variable)
    string(TOUPPER "${variable}_EXECUTABLE" variable)
    find_program(${variable} ${tool})
    if(NOT ${variable})
        message(STATUS "${tool} was not found: no Windows installers (scripts/install-deps.sh)")
        return()
    endif()
    list(APPEND packageTools -D${variable}=${${variable}})
endforeach()
set(packageDir ${CMAKE_BINARY_DIR}/package)
set(packageName korvelt-time-control-${PROJECT_VERSION}-win64)
add_custom_target(korvelt_packages
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPACKAGE_DIR=${packageDir}
            -DPACKAGE_NAME=${packageName} -DVERSION=${PROJECT_VERSION}
            -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DSTRIP=${CMAKE_STRIP} ${packageTools}
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    COMMENT "Making the Windows installers and the portable zip"
    VERBATIM)
add_dependencies(korvelt_packages korvelt-time-control korvelt-time-control-demo korveltctl korvelt_help_file korvelt_icon)
