# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Our own sources are compiled with many warnings; generated code (protoc, moc, uic) apart.
# TALVIK_WERROR (on in scripts/ and CI) makes them errors: off by default, so the next
# compiler release cannot break a user's build. The clang builds of cmake/TalvikSanitize.cmake
# look for faults at run time: there clang's warnings, which are not gcc's, stop nothing.
option(TALVIK_WERROR "Treat compiler warnings as errors" OFF)
function(talvik_strict_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual)
    if(TALVIK_WERROR AND NOT TALVIK_SANITIZE AND NOT TALVIK_FUZZ)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE
        QT_DISABLE_DEPRECATED_BEFORE=0x060400)
endfunction()
