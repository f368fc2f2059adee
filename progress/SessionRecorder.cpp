// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionRecorder.h"

#include "ProfileText.h"
#include "ProgressSql.h"
#include "TownKnowledge.h"

SessionRecorder::Clock SessionRecorder::systemClock() {
    return {[] { return QDateTime::currentDateTimeUtc(); },
            [] {
                static const QElapsedTimer timer = [] {
                    QElapsedTimer started;
                    started.start();
                    return started;
                }();
                return timer.elapsed();
            }};
}

SessionRecorder::SessionRecorder(ProgressDatabase& database, const QString& playerName,
                                 Clock clocks)
    : db(database), player(playerName), clock(std::move(clocks)) {}

SessionRecorder::~SessionRecorder() {
    sessionEnded(SessionEnd::WindowClosed);
}

bool SessionRecorder::record(const std::function<void(QSqlDatabase&)>& fn) {
    if (db.write(fn))
        return true;
    sessionId = 0; // the record is off: nothing more of this session can be kept
    return false;
}

qint64 SessionRecorder::playerId(QSqlDatabase& c) {
    if (knownPlayerId != 0)
        return knownPlayerId;
    const QString key = MatchedName(player);
    sqlRun(c, "INSERT INTO players (name, match_key) VALUES (?, ?) ON CONFLICT DO NOTHING",
           {player, key});
    return sqlValue(c, "SELECT id FROM players WHERE match_key = ?", {key}).toLongLong();
}

// The town's first asking in the session, in the session and in the player's town record. A
// town asked after "Time Up!" is missed at once.
void SessionRecorder::askInRecord(QSqlDatabase& c, int position, int order) {
    Town& town = towns[size_t(position)];
    sqlRun(c,
           "UPDATE session_towns SET asked_order = ?, asked_ms = ?"
           " WHERE session_id = ? AND position = ?",
           {order, currentSince, sessionId, position});
    sqlRun(c, "UPDATE sessions SET asked_count = asked_count + 1 WHERE id = ?", {sessionId});
    sqlRun(c,
           "INSERT INTO town_records (player_id, town, asked, last_session, last_asked_at)"
           " VALUES (?, ?, 1, ?, ?) ON CONFLICT DO UPDATE SET asked = asked + 1,"
           " last_session = excluded.last_session, last_asked_at = excluded.last_asked_at",
           {knownPlayerId, town.name, sessionId, startedAt});
    if (outOfTime)
        judge(c, position, true);
}

// The answer for the town is known: a miss puts it in box 1, a find at the first try moves it
// up one box (a first answer to box 2).
void SessionRecorder::judge(QSqlDatabase& c, int position, bool missed) {
    Town& town = towns[size_t(position)];
    if (town.judged)
        return;
    town.judged = true;
    if (missed) {
        sqlRun(c,
               "UPDATE town_records SET missed = missed + 1, box = 1"
               " WHERE player_id = ? AND town = ?",
               {knownPlayerId, town.name});
        return;
    }
    sqlRun(c,
           "UPDATE town_records SET box = MIN(?, MAX(box, 1) + 1)"
           " WHERE player_id = ? AND town = ?",
           {LeitnerBoxes, knownPlayerId, town.name});
    sqlRun(c, "UPDATE sessions SET clean_count = clean_count + 1 WHERE id = ?", {sessionId});
}

void SessionRecorder::sessionStarted(const SessionSettings& settings, const QStringList& names) {
    sessionEnded(SessionEnd::NewStart);
    if (!db.isOpen())
        return;
    startedAt = clock.utcNow().toUTC().toString(Qt::ISODateWithMs);
    startMs = clock.elapsedMs();
    towns.assign(size_t(names.size()), Town{});
    for (qsizetype i = 0; i < names.size(); ++i)
        towns[size_t(i)].name = names[i];
    current = -1;
    askedCount = 0;
    foundCount = 0;
    outOfTime = false;
    // Never NULL: a session without disliked towns has the empty text.
    const QString disliked = settings.disliked.join(QLatin1Char('\n')) + QLatin1String("");
    record([&](QSqlDatabase& c) {
        knownPlayerId = playerId(c);
        QSqlQuery session = sqlRun(
            c,
            "INSERT INTO sessions (player_id, started_at, interval_ms, question_count, bonus,"
            " sound, practice, disliked) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {knownPlayerId, startedAt, settings.intervalMs, settings.questions, settings.bonus,
             int(settings.sound), int(settings.practice), disliked});
        sessionId = lastId = session.lastInsertId().toLongLong();
        for (int position = 0; position < names.size(); ++position)
            sqlRun(c, "INSERT INTO session_towns (session_id, position, town) VALUES (?, ?, ?)",
                   {sessionId, position, names[position]});
        // The first town is asked at once, at the start.
        if (!towns.empty()) {
            current = 0;
            currentSince = 0;
            towns[0].asked = true;
            askedCount = 1;
            askInRecord(c, 0, 1);
        }
    });
}

void SessionRecorder::leaveCurrent() {
    if (current < 0)
        return;
    towns[size_t(current)].spentMs += now() - currentSince;
    current = -1;
}

void SessionRecorder::townAsked(int position) {
    if (sessionId == 0 || position < 0 || position >= int(towns.size()) ||
        towns[size_t(position)].found || position == current)
        return;
    leaveCurrent();
    current = position;
    currentSince = now();
    Town& town = towns[size_t(position)];
    if (town.asked)
        return;
    town.asked = true;
    const int order = ++askedCount;
    record([&](QSqlDatabase& c) { askInRecord(c, position, order); });
}

void SessionRecorder::wrongClick(const WrongClick& click) {
    if (sessionId == 0 || current < 0)
        return;
    const qint64 at = now();
    record([&](QSqlDatabase& c) {
        sqlRun(c,
               "INSERT INTO wrong_clicks (session_id, position, at_ms, kind, clicked, picture,"
               " x, y) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
               {sessionId, current, at,
                click.kind == WrongClick::Kind::Region ? QStringLiteral("region")
                                                       : QStringLiteral("town"),
                click.clicked, click.picture, click.point.x(), click.point.y()});
        sqlRun(c,
               "UPDATE session_towns SET wrong_clicks = wrong_clicks + 1"
               " WHERE session_id = ? AND position = ?",
               {sessionId, current});
        judge(c, current, true);
    });
}

void SessionRecorder::townFound(int position) {
    if (sessionId == 0 || position < 0 || position >= int(towns.size()) ||
        towns[size_t(position)].found)
        return;
    townAsked(position); // found while another town was shown: it counts from now
    if (sessionId == 0)
        return;
    leaveCurrent();
    Town& town = towns[size_t(position)];
    town.found = true;
    ++foundCount;
    const bool written = record([&](QSqlDatabase& c) {
        sqlRun(c,
               "UPDATE session_towns SET found_ms = ?, found_in_time = ?"
               " WHERE session_id = ? AND position = ?",
               {town.spentMs, int(!outOfTime), sessionId, position});
        sqlRun(c, "UPDATE town_records SET last_found_at = ? WHERE player_id = ? AND town = ?",
               {startedAt, knownPlayerId, town.name});
        judge(c, position, outOfTime);
    });
    if (written && foundCount == int(towns.size()))
        sessionEnded(SessionEnd::AllFound);
}

void SessionRecorder::timeUp() {
    if (sessionId == 0 || outOfTime)
        return;
    outOfTime = true;
    const qint64 at = now();
    record([&](QSqlDatabase& c) {
        sqlRun(c, "UPDATE sessions SET time_up_ms = ? WHERE id = ?", {at, sessionId});
        // The towns asked and still open are missed.
        for (int position = 0; position < int(towns.size()); ++position)
            if (towns[size_t(position)].asked && !towns[size_t(position)].found)
                judge(c, position, true);
    });
}

void SessionRecorder::sessionEnded(SessionEnd end) {
    if (sessionId == 0)
        return;
    leaveCurrent();
    const qint64 at = now();
    record([&](QSqlDatabase& c) {
        sqlRun(c, "UPDATE sessions SET ended_ms = ?, end_reason = ? WHERE id = ?",
               {at, sessionEndKey(end), sessionId});
    });
    sessionId = 0;
}
