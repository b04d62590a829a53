# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install: the capture program in bin/, its private core library in lib/talvikcapture/,
# the updater in libexec/talvikcapture/, and the launcher entry, metainfo, icons, man pages and
# shell completions under share/.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/cmake/TalvikArt.cmake)

if(WIN32)
    include(${PROJECT_SOURCE_DIR}/cmake/TalvikInstallWindows.cmake)
    return()
endif()

set(TALVIK_APP_ID example.morvane.TalvikCapture)
set(TALVIK_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/talvikcapture)
set(TALVIK_INSTALL_HELPERDIR ${CMAKE_INSTALL_LIBEXECDIR}/talvikcapture)
set(TALVIK_INSTALL_TRANSLATIONSDIR ${CMAKE_INSTALL_DATADIR}/talvikcapture/translations)

# The programs find the library relative to themselves, so any prefix (or DESTDIR) works.
function(talvik_runpath target from)
    file(RELATIVE_PATH _relative ${CMAKE_INSTALL_PREFIX}/${from}
        ${CMAKE_INSTALL_PREFIX}/${TALVIK_INSTALL_PRIVATE_LIBDIR})
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${_relative}")
endfunction()

talvik_runpath(TalvikCapture ${CMAKE_INSTALL_BINDIR})
install(TARGETS TalvikCapture RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET TalvikUpdate)
    talvik_runpath(TalvikUpdate ${TALVIK_INSTALL_HELPERDIR})
    install(TARGETS TalvikUpdate RUNTIME DESTINATION ${TALVIK_INSTALL_HELPERDIR})
endif()
# A private library: no headers are installed, so the development symlink is left out.
install(TARGETS TalvikCore LIBRARY DESTINATION ${TALVIK_INSTALL_PRIVATE_LIBDIR} NAMELINK_SKIP)

install(FILES ${PROJECT_SOURCE_DIR}/dist/${TALVIK_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${TALVIK_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon theme gets the small art at its own sizes and the large art at 48 and 256.
set(_talvik_icon_dir ${PROJECT_BINARY_DIR}/desktop-icons)
set(_talvik_app_art ${PROJECT_SOURCE_DIR}/capture/images/svg)
talvik_render_svg(${_talvik_app_art}/App16.svg
    16=${_talvik_icon_dir}/16.png 32=${_talvik_icon_dir}/32.png)
talvik_render_svg(${_talvik_app_art}/App48.svg
    48=${_talvik_icon_dir}/48.png 256=${_talvik_icon_dir}/256.png)
set(_talvik_icons)
foreach(size 16 32 48 256)
    list(APPEND _talvik_icons ${_talvik_icon_dir}/${size}.png)
    install(FILES ${_talvik_icon_dir}/${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME talvikcapture.png)
endforeach()
install(FILES ${_talvik_app_art}/App48.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME talvikcapture.svg)
add_custom_target(TalvikDesktopIcons ALL DEPENDS ${_talvik_icons})

# Man pages are kept as scdoc sources; without scdoc the build goes on without them.
find_program(TALVIK_SCDOC scdoc)
if(TALVIK_SCDOC)
    set(_talvik_pages TalvikCapture.1)
    if(TARGET TalvikUpdate)
        list(APPEND _talvik_pages TalvikUpdate.1)
    endif()
    set(_talvik_man_outputs)
    foreach(page ${_talvik_pages})
        set(_source ${PROJECT_SOURCE_DIR}/dist/man/${page}.scd)
        set(_output ${PROJECT_BINARY_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${_output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${TALVIK_SCDOC} < ${_source} | gzip -n -9 > ${_output}
            DEPENDS ${_source} VERBATIM)
        list(APPEND _talvik_man_outputs ${_output})
        install(FILES ${_output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
    add_custom_target(TalvikManPages ALL DEPENDS ${_talvik_man_outputs})
else()
    message(STATUS "scdoc not found: the man pages are not built")
endif()

set(_talvik_completion ${PROJECT_SOURCE_DIR}/dist/completion)
install(FILES ${_talvik_completion}/TalvikCapture.bash
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME TalvikCapture)
install(FILES ${_talvik_completion}/_TalvikCapture
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${_talvik_completion}/TalvikCapture.fish
    DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)
include(${PROJECT_SOURCE_DIR}/cmake/TalvikPackage.cmake)
