# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# 64-bit Windows programs from Debian's mingw-w64, the POSIX-threads flavour that std::thread
# needs, against the libraries scripts/windows-sdk builds into TALVIK_WINDOWS_SDK (a cache
# variable or the environment).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT TALVIK_WINDOWS_SDK AND DEFINED ENV{TALVIK_WINDOWS_SDK})
    set(TALVIK_WINDOWS_SDK "$ENV{TALVIK_WINDOWS_SDK}")
endif()
# The checks CMake compiles in their own projects read this file again and need the same roots.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TALVIK_WINDOWS_SDK)

set(CMAKE_FIND_ROOT_PATH ${TALVIK_WINDOWS_SDK} /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
