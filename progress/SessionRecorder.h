// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressDatabase.h"
#include "ProgressTypes.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <functional>
#include <vector>

// Writes one player's sessions into the record as they are played, each event in its own short
// transaction, so that a game killed half-way keeps every town it finished. Made when the
// player's name is confirmed; the main window calls it from its event handlers. It never
// throws and never waits on the player: when the record is off, every call does nothing.
//
// Towns are named by their position in the session (the radio group's item index).
class SessionRecorder {
public:
    // The clocks: the UTC time of a session's start, and a clock in milliseconds that does not
    // jump, for the times within a session.
    struct Clock {
        std::function<QDateTime()> utcNow;
        std::function<qint64()> elapsedMs;
    };
    static Clock systemClock();

    SessionRecorder(ProgressDatabase& db, const QString& player, Clock clock = systemClock());
    // A session still running ends as "window closed".
    ~SessionRecorder();
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // Start, once the session's towns are drawn: the towns in the order drawn. A session still
    // running ends as "new start". The first town is the town to find at once, as the
    // session's creation selects it.
    void sessionStarted(const SessionSettings& settings, const QStringList& towns);

    // The town at the position became the town to find (the radio group's click). Found
    // towns, and the town already asked, are passed over.
    void townAsked(int position);

    // A click that did not find the town to find. Nothing is kept when no town is asked.
    void wrongClick(const WrongClick& click);

    // The town at the position was found. The last town found ends the session as "all
    // found".
    void townFound(int position);

    // The time bar ran out; play goes on, and towns found from now on are found late.
    void timeUp();

    // The session ends; its open towns stay open in the record.
    void sessionEnded(SessionEnd end);

    bool sessionRunning() const { return sessionId != 0; }
    // The session running, or the last one recorded in this run; 0 when there is none.
    qint64 lastSessionId() const { return lastId; }

private:
    struct Town {
        QString name;
        bool asked = false;
        bool found = false;
        bool judged = false; // missed, or found at the first try: the answer is known
        qint64 spentMs = 0;  // time as the town to find before the current stretch
    };

    qint64 now() const { return clock.elapsedMs() - startMs; }
    qint64 playerId(QSqlDatabase& db);
    void leaveCurrent();
    void askInRecord(QSqlDatabase& c, int position, int order);
    void judge(QSqlDatabase& c, int position, bool missed);
    bool record(const std::function<void(QSqlDatabase&)>& fn);

    ProgressDatabase& db;
    QString player;
    Clock clock;
    qint64 knownPlayerId = 0;
    qint64 sessionId = 0;
    qint64 lastId = 0;
    qint64 startMs = 0;
    QString startedAt;
    std::vector<Town> towns;
    int current = -1;        // the town to find, or -1
    qint64 currentSince = 0; // when it became so
    int askedCount = 0;
    int foundCount = 0;
    bool outOfTime = false;
};
