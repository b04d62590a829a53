# cmake --install: the programs side by side in bin/ (TalvikCapture looks for TalvikUpdate in its
# own folder), the core library in lib/, and the launcher entry with its icons under share/.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/cmake/TalvikArt.cmake)

# The programs find the library relative to themselves, so any prefix (or DESTDIR) works.
file(RELATIVE_PATH _talvik_bin_to_lib
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
set(_talvik_programs TalvikCapture)
if(TARGET TalvikUpdate)
    list(APPEND _talvik_programs TalvikUpdate)
endif()
set_target_properties(${_talvik_programs} PROPERTIES
    INSTALL_RPATH "$ORIGIN/${_talvik_bin_to_lib}")

install(TARGETS ${_talvik_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A private library: no headers are installed, so the development symlink is left out.
install(TARGETS TalvikCore LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)

install(FILES ${PROJECT_SOURCE_DIR}/dist/talvikcapture.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

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
