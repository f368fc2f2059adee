// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressDatabase.h"
#include "ProgressTypes.h"

#include <QDateTime>
#include <QList>
#include <optional>

// One session as the review shows it: every town, in the order asked, with found or not, the
// time it took and what was clicked instead.
struct ReviewedClick {
    WrongClick click;
    qint64 atMs = 0; // after the session's start
};

struct ReviewedTown {
    int position = 0; // in the order drawn: the radio group's item
    QString town;
    int askedOrder = 0; // 1 for the first town asked; 0 for a town never asked
    bool found = false;
    bool foundInTime = false; // found before the time bar ran out
    qint64 foundMs = -1;      // time as the town to find until found; -1 when not found
    QList<ReviewedClick> wrongClicks;
};

struct SessionReview {
    qint64 id = 0;
    QString player;      // as first typed
    QDateTime startedAt; // UTC
    SessionSettings settings;
    std::optional<qint64> timeUpMs; // when the time ran out, if it did
    std::optional<SessionEnd> end;  // none when the session was cut short
    std::optional<qint64> endedMs;
    // The towns asked, in that order, then the towns never asked, in the order drawn (after
    // "Time Up!", the towns still open).
    QList<ReviewedTown> towns;
};

// None when there is no such session or the record is off.
std::optional<SessionReview> sessionReview(ProgressDatabase& db, qint64 sessionId);
