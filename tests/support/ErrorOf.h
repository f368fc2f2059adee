// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Error.h"

#include <QString>
#include <functional>

// The message of the error an action raises, or an empty text when it raises none.
inline QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const TerravaError& e) {
        return e.message();
    }
    return QString();
}
