# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake --install for Windows, laid out as Windows programs are: the programs, the core library,
# the toolkit's libraries with their plugins and the compiler's runtime together in bin/, the
# texts in bin/translations. What windeployqt would gather, named here since a cross build has none.
set(TALVIK_INSTALL_HELPERDIR ${CMAKE_INSTALL_BINDIR})
set(TALVIK_INSTALL_TRANSLATIONSDIR ${CMAKE_INSTALL_BINDIR}/translations)
# TalvikCore.dll, not MinGW's libTalvikCore.dll.
set_target_properties(TalvikCore PROPERTIES PREFIX "" IMPORT_PREFIX "")

install(TARGETS TalvikCapture TalvikCore RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET TalvikUpdate)
    install(TARGETS TalvikUpdate RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

foreach(module Core Gui Widgets Network Xml PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
# Plugin folder: the plugins it takes (the platform, the native style, the pictures a user may
# open, and TLS through the system's Schannel for the updater).
set(_talvik_qt_plugins
    platforms:QWindowsIntegrationPlugin
    styles:QWindowsVistaStylePlugin
    imageformats:QJpegPlugin imageformats:QGifPlugin imageformats:QICOPlugin
    tls:QSchannelBackendPlugin tls:QTlsBackendCertOnlyPlugin)
foreach(entry ${_talvik_qt_plugins})
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 folder)
    list(GET entry 1 plugin)
    install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
endforeach()

# The compiler's runtime, which the toolkit's libraries link against too: mingw-w64's libraries,
# or Microsoft's through CMake's own list.
if(MINGW)
    foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
            OUTPUT_VARIABLE _talvik_runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${_talvik_runtime}")
            message(FATAL_ERROR "The compiler does not know where ${runtime} is")
        endif()
        install(FILES ${_talvik_runtime} DESTINATION ${CMAKE_INSTALL_BINDIR})
    endforeach()
else()
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
    include(InstallRequiredSystemLibraries)
endif()

# The program's icon, for Explorer, the Start menu and the installer.
set(TALVIK_WINDOWS_ICON ${PROJECT_BINARY_DIR}/desktop-icons/TalvikCapture.ico)
talvik_render_svg(${PROJECT_SOURCE_DIR}/capture/images/svg/App48.svg 256=${TALVIK_WINDOWS_ICON})
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/TalvikCapture.rc.in
    ${PROJECT_BINARY_DIR}/TalvikCapture.rc @ONLY)
target_sources(TalvikCapture PRIVATE ${PROJECT_BINARY_DIR}/TalvikCapture.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/TalvikCapture.rc PROPERTIES
    OBJECT_DEPENDS ${TALVIK_WINDOWS_ICON})
add_custom_target(TalvikWindowsIcon DEPENDS ${TALVIK_WINDOWS_ICON})
add_dependencies(TalvikCapture TalvikWindowsIcon)

include(${PROJECT_SOURCE_DIR}/cmake/TalvikPackageWindows.cmake)
