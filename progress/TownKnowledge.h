// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressDatabase.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// How well a player knows a town, by a Leitner box kept over the player's whole record.
//
// Each time a town was asked it was either found at the first try (before the time ran out and
// without a wrong click) or missed (a wrong click, found only after "Time Up!", or still open
// when the time ran out). A town that was asked and left open with time to spare (a new Start,
// the window closed) tells nothing and does not count. A miss puts the town in box 1; each
// find at the first try moves it up one box, to box 5 at most, and the first answer of all
// that is such a find puts it in box 2. Box 0 holds the towns with no answer yet.
enum class Knowledge {
    NotAsked, // box 0: no answer yet
    Missed,   // box 1: missed the last time it was asked
    Learning, // box 2: found at the first try once since the last miss, or on its first asking
    Learnt,   // box 3 and up: found at the first try at least twice running
};

constexpr int LeitnerBoxes = 5;
Knowledge knowledgeOfBox(int box);

struct TownKnowledge {
    QString town;
    int box = 0;
    int asked = 0;               // sessions that asked it
    int missed = 0;              // of those, the ones that missed it
    QDateTime lastAsked;         // UTC start of the last session that asked it; null when never
    QDateTime lastFound;         // the same for the last that found it
    int sessionsSinceAsked = -1; // the player's sessions since the last that asked it; -1 never

    Knowledge level() const { return knowledgeOfBox(box); }
};

// One entry per town of the list, in its order (towns the player was never asked are in box
// 0). Towns equal but for letter case count as one; the town list's spelling is kept.
QList<TownKnowledge> townKnowledge(ProgressDatabase& db, const QString& player,
                                   const QStringList& towns);

// The towns the player missed most, at most limit of them: most misses first, then the one
// asked most recently.
QList<TownKnowledge> mostMissed(ProgressDatabase& db, const QString& player, int limit);

// The internals the teacher's table shares: every town each player was asked, with the
// player's id; a player of -1 takes every player. Throws SqlFailure.
struct PlayerTown {
    qint64 playerId = 0;
    qint64 lastSession = 0;
    TownKnowledge knowledge;
};
QList<PlayerTown> playerTowns(const QSqlDatabase& db, qint64 playerId);

// The player's id in the record, matched as the settings file matches names; 0 when the
// player has no session yet. Throws SqlFailure.
qint64 findPlayer(const QSqlDatabase& db, const QString& player);
