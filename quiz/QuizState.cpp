// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizState.h"

std::int32_t QuestionCount = 5;
