# The Windows programs' icon, version information and manifest. The icon is made at build time
# from the program's SVG (rsvg-convert draws each size, icotool packs them into one .ico in
# windows/korvelt.ico of the build folder, where the installer takes it too); each .exe gets
# its own resource script with its name and description.
enable_language(RC)
find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert)
find_program(ICOTOOL_EXECUTABLE icotool)
if(NOT RSVG_CONVERT_EXECUTABLE OR NOT ICOTOOL_EXECUTABLE)
    message(FATAL_ERROR "The program's icon needs rsvg-convert and icotool: apt-get install librsvg2-bin icoutils")
endif()
set(resources ${CMAKE_BINARY_DIR}/windows)
set(svg ${PROJECT_SOURCE_DIR}/desktop/org.korvelt.TimeControl.svg)
set(KORVELT_ICON ${resources}/korvelt.ico)
set(pngs)
set(drawCommands)
foreach(size IN ITEMS 16 20 24 32 40 48 64 128 256)
    list(APPEND pngs ${resources}/icon-${size}.png)
    list(APPEND drawCommands COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size} -o ${resources}/icon-${size}.png ${svg})
endforeach()
# The largest size is kept as PNG inside the .ico, as Windows expects from 256 pixels on.
list(POP_BACK pngs largest)
add_custom_command(OUTPUT ${KORVELT_ICON}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${resources}
                   ${drawCommands}
                   COMMAND ${ICOTOOL_EXECUTABLE} -c -o ${KORVELT_ICON} ${pngs} -r ${largest}
                   DEPENDS ${svg}
                   COMMENT "Making the program's icon from its SVG"
                   VERBATIM)
add_custom_target(korvelt_icon ALL DEPENDS ${KORVELT_ICON})

set(KORVELT_MANIFEST ${resources}/korvelt.manifest)
string(REGEX REPLACE "^0+([0-9])" "\\1" minor "${PROJECT_VERSION_MINOR}")
set(KORVELT_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.0.0")
string(REPLACE "." "," KORVELT_VERSION_COMMAS "${KORVELT_FILE_VERSION}")
configure_file(${PROJECT_SOURCE_DIR}/windows/korvelt.manifest ${KORVELT_MANIFEST} @ONLY)

function(korvelt_windows_resources target description)
    set(KORVELT_EXE ${target})
    set(KORVELT_DESCRIPTION "${description}")
    set(rc ${resources}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/windows/korvelt.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
                                OBJECT_DEPENDS "${KORVELT_ICON};${KORVELT_MANIFEST}")
    add_dependencies(${target} korvelt_icon)
endfunction()

korvelt_windows_resources(korvelt-time-control "KORVELT Time Control")
korvelt_windows_resources(korvelt-time-control-demo "KORVELT Time Control Demo")
korvelt_windows_resources(korveltctl "KORVELT Time Control command line")
