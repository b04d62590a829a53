# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# cpack -G NSIS: TalvikCapture-<version>-win64.exe, an installer into Program Files with a
# Start-menu entry and an uninstaller, built by Debian's makensis. /S installs silently.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME "Talvik Capture")
set(CPACK_PACKAGE_VENDOR "Talvik Capture contributors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screen capture tool with an annotation editor")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.morvane.example/screen-capture-tool")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_FILE_NAME TalvikCapture-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Talvik Capture")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY TalvikCapture)
set(CPACK_PACKAGE_EXECUTABLES TalvikCapture "Talvik Capture")
set(CPACK_STRIP_FILES ON)

# A 64-bit installer for 64-bit programs: it needs no 32-bit Windows layer (Wine's wine32).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Talvik Capture")
set(CPACK_NSIS_PACKAGE_NAME "Talvik Capture")
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_MUI_ICON ${TALVIK_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${TALVIK_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\TalvikCapture.exe)
# An update installs over the old version: its uninstaller runs first, without asking when silent.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_FINISHPAGE_RUN TalvikCapture.exe)
include(CPack)
