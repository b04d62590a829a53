# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The sanitizer build (-DTALVIK_SANITIZE=ON, with clang): everything compiled with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any finding ends the program. It is
# meant for its own build directory and for one target, talvik_sanitize: the programs, the
# offscreen tests, the capture journeys of talvik_add_sanitize_journey and the fuzzers of
# tests/fuzz, nothing else. scripts/test builds and runs it.
#
# -O1 keeps the stacks readable and the run fast enough; line tables are all a report needs.
# Unity builds compile each target's sources a few at a time: the Qt headers are most of the
# work, and that is what keeps a clean build of this directory within a few minutes.
include_guard(GLOBAL)

option(TALVIK_SANITIZE
    "Build with AddressSanitizer and UndefinedBehaviorSanitizer (clang); build target talvik_sanitize"
    OFF)
option(TALVIK_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" ${TALVIK_SANITIZE})

# A target of our own built without the sanitizers, such as a tool that runs during the build.
function(talvik_no_sanitize target)
    if(TALVIK_SANITIZE)
        target_compile_options(${target} PRIVATE -fno-sanitize=all)
        target_link_options(${target} PRIVATE -fno-sanitize=all)
    endif()
endfunction()

if(NOT TALVIK_SANITIZE AND NOT TALVIK_FUZZ)
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TALVIK_SANITIZE and TALVIK_FUZZ need clang: -DCMAKE_CXX_COMPILER=clang++")
endif()

set(TALVIK_SANITIZER_FLAGS
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

if(TALVIK_SANITIZE)
    add_compile_options(${TALVIK_SANITIZER_FLAGS} -O1 -gline-tables-only)
    add_link_options(-fsanitize=address,undefined)
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 16)
    add_custom_target(talvik_sanitize)
endif()
