// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken rule found by a fuzz target: it says which and aborts, so that libFuzzer keeps the
// input as a crash.
#define FUZZ_REQUIRE(condition, ...)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);      \
            std::fprintf(stderr, "  %s\n", qUtf8Printable(QString(__VA_ARGS__)));                  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
