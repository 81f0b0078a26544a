# The Windows installer and the portable zip: `cmake --build build/windows --target korvelt_packages`
# installs the programs, their help and what they need into package/stage, then makes
# korvelt-time-control-1.00-win64-setup.exe with makensis (Debian package nsis) and
# korvelt-time-control-1.00-win64.zip of the same folder, both in package/.
find_program(MAKENSIS_EXECUTABLE makensis)
if(NOT MAKENSIS_EXECUTABLE)
    message(STATUS "makensis was not found: no Windows installer (apt-get install nsis)")
    return()
endif()
set(packageDir ${CMAKE_BINARY_DIR}/package)
set(packageName korvelt-time-control-${PROJECT_VERSION}-win64)
add_custom_target(korvelt_packages
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPACKAGE_DIR=${packageDir}
            -DPACKAGE_NAME=${packageName} -DVERSION=${PROJECT_VERSION}
            -DNSIS_SCRIPT=${PROJECT_SOURCE_DIR}/windows/installer.nsi -DMAKENSIS=${MAKENSIS_EXECUTABLE}
            -DSTRIP=${CMAKE_STRIP}
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    COMMENT "Making the Windows installer and the portable zip"
    VERBATIM)
add_dependencies(korvelt_packages korvelt-time-control korvelt-time-control-demo korveltctl korvelt_help_file)
