// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

// The settings a session was played with, as the Questions tab held them at Start.
struct SessionSettings {
    int intervalMs = 1500; // milliseconds per step of the time bar
    int questions = 5;     // towns per session
    int bonus = 2;         // bonus and penalty
    bool sound = false;
    bool practice = false;
    QStringList disliked; // the towns left out
};

// A click that did not find the town asked: a region of the nation map that does not hold
// it, or another town on a region map. The point is in the picture's own pixels.
struct WrongClick {
    enum class Kind { Region, Town };
    Kind kind = Kind::Town;
    QString clicked; // the region or town name hit
    QString picture; // "Italia.bmp", "Padania.bmp", ...
    QPoint point;

    bool operator==(const WrongClick&) const = default;
};

// How a session ended. A session without an end was cut short: the game was killed or the
// machine went down. That the time ran out is kept beside it: play goes on after "Time Up!".
enum class SessionEnd { AllFound, NewStart, WindowClosed };

QString sessionEndKey(SessionEnd end); // as stored: "all_found", "new_start", "window_closed"
std::optional<SessionEnd> sessionEndFromKey(const QString& key);
