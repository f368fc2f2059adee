// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Towns per quiz session: 5 when the program is loaded, then the spin edit's value, set by
// Start just before it draws a new session.
extern std::int32_t QuestionCount;
