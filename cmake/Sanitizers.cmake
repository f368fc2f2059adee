# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checked builds.
#
# TERRAVA_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer; the
# first report ends the program with a failure. Every test of the tests folder then runs with
# options that halt on the first report and with the leak suppressions of
# tests/lsan.supp (leaks inside the uninstrumented system libraries only).
#
# TERRAVA_FUZZ (clang only, implies TERRAVA_SANITIZE) instruments everything for libFuzzer and
# builds the fuzz targets of tests/fuzz.

option(TERRAVA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TERRAVA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(TERRAVA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TERRAVA_FUZZ needs clang: configure with CXX=clang++")
    endif()
    set(TERRAVA_SANITIZE ON CACHE BOOL "" FORCE)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(TERRAVA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# The options, shared with .ci/run: cmake/sanitizer-options.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/sanitizer-options TERRAVA_SANITIZER_ENVIRONMENT
     REGEX "^[A-Z_]+=")
list(TRANSFORM TERRAVA_SANITIZER_ENVIRONMENT REPLACE "@SOURCE_DIR@" "${PROJECT_SOURCE_DIR}")

# Gives every test of the calling directory the sanitizer options; call it deferred, so that it
# also sees the tests added after the call:
#   cmake_language(DEFER CALL terrava_sanitize_tests)
function(terrava_sanitize_tests)
    if(NOT TERRAVA_SANITIZE)
        return()
    endif()
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${TERRAVA_SANITIZER_ENVIRONMENT})
    endforeach()
endfunction()
