# What the Windows programs need beside them, copied into the build's bin folder (so that they
# run from there, under Wine too) and installed beside them: Qt's DLLs and plugins and the
# MinGW-w64 runtime. korveltctl's report draws on Qt's offscreen platform with the DejaVu Sans
# fonts, as on Linux, so both are installed too; the tests' extra (Qt Test) stays in the build
# folder.
get_target_property(qtCoreDll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qtCoreDll)
    get_target_property(qtCoreDll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(qtBin "${qtCoreDll}" DIRECTORY)
get_filename_component(qtPrefix "${qtBin}" DIRECTORY)

# The MinGW runtime of the compiler that builds the programs.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxxDll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE libgccDll OUTPUT_STRIP_TRAILING_WHITESPACE)
find_file(WINPTHREAD_DLL libwinpthread-1.dll
          PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin NO_DEFAULT_PATH)
foreach(dll IN ITEMS "${libstdcxxDll}" "${libgccDll}" "${WINPTHREAD_DLL}")
    if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
        message(FATAL_ERROR "A MinGW-w64 runtime DLL was not found (${dll}): apt-get install g++-mingw-w64-x86-64-posix")
    endif()
endforeach()

set(KORVELT_RUNTIME_DLLS
    ${qtBin}/Qt6Core.dll ${qtBin}/Qt6Gui.dll ${qtBin}/Qt6Widgets.dll ${qtBin}/Qt6PrintSupport.dll
    ${libstdcxxDll} ${libgccDll} ${WINPTHREAD_DLL})
set(KORVELT_RUNTIME_PLUGINS
    platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll
    imageformats/qgif.dll imageformats/qico.dll imageformats/qjpeg.dll)

set(bin ${CMAKE_BINARY_DIR}/bin)
set(copied)
foreach(dll IN LISTS KORVELT_RUNTIME_DLLS ITEMS ${qtBin}/Qt6Test.dll)
    get_filename_component(name "${dll}" NAME)
    add_custom_command(OUTPUT ${bin}/${name}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${bin}/${name}
                       DEPENDS ${dll} VERBATIM)
    list(APPEND copied ${bin}/${name})
endforeach()
foreach(plugin IN LISTS KORVELT_RUNTIME_PLUGINS)
    get_filename_component(folder "${plugin}" DIRECTORY)
    add_custom_command(OUTPUT ${bin}/${plugin}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/${folder}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qtPrefix}/plugins/${plugin} ${bin}/${plugin}
                       DEPENDS ${qtPrefix}/plugins/${plugin} VERBATIM)
    list(APPEND copied ${bin}/${plugin})
endforeach()
# The offscreen platform reads its fonts from lib/fonts under Qt's prefix, which is the
# program's folder when no qt.conf says otherwise.
file(GLOB fonts ${qtPrefix}/lib/fonts/*.ttf)
if(NOT fonts)
    file(GLOB fonts /usr/share/fonts/truetype/dejavu/*.ttf)
endif()
foreach(font IN LISTS fonts)
    get_filename_component(name "${font}" NAME)
    add_custom_command(OUTPUT ${bin}/lib/fonts/${name}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/lib/fonts
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${font} ${bin}/lib/fonts/${name}
                       DEPENDS ${font} VERBATIM)
    list(APPEND copied ${bin}/lib/fonts/${name})
endforeach()
# Qt's own texts in the program's languages (Debian's qt6-translations-l10n), in the
# translations folder that Qt reads beside the program.
foreach(language IN LISTS KORVELT_LANGUAGES)
    set(qm /usr/share/qt6/translations/qtbase_${language}.qm)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "Qt's translation ${qm} was not found: apt-get install qt6-translations-l10n")
    endif()
    add_custom_command(OUTPUT ${bin}/translations/qtbase_${language}.qm
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/translations
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qm} ${bin}/translations/qtbase_${language}.qm
                       DEPENDS ${qm} VERBATIM)
    list(APPEND copied ${bin}/translations/qtbase_${language}.qm)
    install(FILES ${qm} DESTINATION bin/translations)
endforeach()
add_custom_target(korvelt_windows_runtime ALL DEPENDS ${copied})

install(FILES ${KORVELT_RUNTIME_DLLS} DESTINATION bin)
foreach(plugin IN LISTS KORVELT_RUNTIME_PLUGINS)
    get_filename_component(folder "${plugin}" DIRECTORY)
    install(FILES ${qtPrefix}/plugins/${plugin} DESTINATION bin/${folder})
endforeach()
# The report's fonts, where the offscreen platform looks for them beside the installed program,
# with their licence.
set(reportFonts)
foreach(name IN ITEMS DejaVuSans.ttf DejaVuSans-Bold.ttf)
    list(FIND fonts "${qtPrefix}/lib/fonts/${name}" at)
    if(at EQUAL -1)
        list(FIND fonts "/usr/share/fonts/truetype/dejavu/${name}" at)
    endif()
    if(at EQUAL -1)
        message(FATAL_ERROR "The report's font ${name} was not found: apt-get install fonts-dejavu-core")
    endif()
    list(GET fonts ${at} font)
    list(APPEND reportFonts ${font})
endforeach()
install(FILES ${reportFonts} DESTINATION bin/lib/fonts)
if(EXISTS /usr/share/doc/fonts-dejavu-core/copyright)
    install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION bin/lib/fonts RENAME DejaVu-LICENSE.txt)
endif()
