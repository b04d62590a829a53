# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Win32 backend, shared by the capture library and the test runner built with mingw-w64.
set(TALVIK_WIN32_BACKEND_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/VPlatformBackendWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VPlatformBackendWin32.h
    ${CMAKE_CURRENT_LIST_DIR}/VPlatformFactoryWin32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VWin32CursorImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VWin32CursorImage.h
    ${CMAKE_CURRENT_LIST_DIR}/VWin32Gdi.h
    ${CMAKE_CURRENT_LIST_DIR}/VWin32WindowTree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VWin32WindowTree.h
)
set(TALVIK_WIN32_BACKEND_LIBRARIES user32 gdi32 dwmapi)
# Wide-character calls throughout, and no min/max macros in the way of the standard library's.
set(TALVIK_WIN32_BACKEND_DEFINITIONS UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
