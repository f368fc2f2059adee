// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressTypes.h"

QString sessionEndKey(SessionEnd end) {
    switch (end) {
    case SessionEnd::AllFound:
        return QStringLiteral("all_found");
    case SessionEnd::NewStart:
        return QStringLiteral("new_start");
    case SessionEnd::WindowClosed:
        break;
    }
    return QStringLiteral("window_closed");
}

std::optional<SessionEnd> sessionEndFromKey(const QString& key) {
    for (SessionEnd end : {SessionEnd::AllFound, SessionEnd::NewStart, SessionEnd::WindowClosed})
        if (sessionEndKey(end) == key)
            return end;
    return std::nullopt;
}
