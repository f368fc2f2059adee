// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressDatabase.h"
#include "ProgressTypes.h"

#include <QDateTime>
#include <QList>
#include <optional>

// A player's sessions over time, for the progress chart.
struct SessionSummary {
    qint64 id = 0;
    QDateTime startedAt; // UTC
    bool practice = false;
    int towns = 0; // drawn
    int asked = 0;
    int found = 0;
    int wrongClicks = 0;
    qint64 findingMs = 0; // time spent on the towns found, until each was found
    bool timeUp = false;
    std::optional<SessionEnd> end; // none when cut short

    // Towns found per minute spent finding them; 0 when none was found.
    double townsPerMinute() const;
    // Wrong clicks per town asked; 0 when none was asked.
    double wrongClicksPerTown() const;
};

// Oldest first; empty for a player without sessions or when the record is off.
QList<SessionSummary> playerSessions(ProgressDatabase& db, const QString& player);

// One line of the teacher's table.
struct PlayerOverview {
    QString player; // as first typed
    int sessions = 0;
    int townsLearnt = 0;  // towns in Leitner box 3 or higher (see TownKnowledge.h)
    QDateTime lastPlayed; // UTC
    // Of the towns asked in the last five sessions, and in the five before those, the share
    // found at the first try (before the time ran out, without a wrong click).
    std::optional<double> recentShare;
    std::optional<double> earlierShare;

    // recentShare - earlierShare: above 0 the player is getting better.
    std::optional<double> trend() const;
};

inline constexpr int TrendSessions = 5;

// Every player with a session, by name without regard to case.
QList<PlayerOverview> teacherTable(ProgressDatabase& db);
