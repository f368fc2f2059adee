// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerProgress.h"

#include "ProgressSql.h"
#include "TownKnowledge.h"

#include <QHash>

double SessionSummary::townsPerMinute() const {
    return found == 0 || findingMs <= 0 ? 0.0 : found * 60000.0 / double(findingMs);
}

double SessionSummary::wrongClicksPerTown() const {
    return asked == 0 ? 0.0 : double(wrongClicks) / asked;
}

std::optional<double> PlayerOverview::trend() const {
    if (!recentShare || !earlierShare)
        return std::nullopt;
    return *recentShare - *earlierShare;
}

QList<SessionSummary> playerSessions(ProgressDatabase& db, const QString& player) {
    QList<SessionSummary> sessions;
    const bool read = db.read([&](const QSqlDatabase& c) {
        const qint64 id = findPlayer(c, player);
        if (id == 0)
            return;
        QSqlQuery q = sqlRun(c,
                             "SELECT s.id, s.started_at, s.practice, s.time_up_ms, s.end_reason,"
                             " COUNT(t.position), COUNT(t.asked_order), COUNT(t.found_ms),"
                             " COALESCE(SUM(t.wrong_clicks), 0), COALESCE(SUM(t.found_ms), 0)"
                             " FROM sessions s LEFT JOIN session_towns t ON t.session_id = s.id"
                             " WHERE s.player_id = ? GROUP BY s.id ORDER BY s.id",
                             {id});
        while (q.next()) {
            SessionSummary s;
            s.id = q.value(0).toLongLong();
            s.startedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
            s.practice = q.value(2).toBool();
            s.timeUp = !q.value(3).isNull();
            s.end = sessionEndFromKey(q.value(4).toString());
            s.towns = q.value(5).toInt();
            s.asked = q.value(6).toInt();
            s.found = q.value(7).toInt();
            s.wrongClicks = q.value(8).toInt();
            s.findingMs = q.value(9).toLongLong();
            sessions.append(s);
        }
    });
    return read ? sessions : QList<SessionSummary>();
}

namespace {

// Per player, the towns asked and found at the first try in the recent and the earlier
// sessions of the trend.
void addTrends(const QSqlDatabase& c, QHash<qint64, PlayerOverview>& players) {
    QSqlQuery q =
        sqlRun(c,
               "WITH per AS (SELECT player_id AS player, id, asked_count AS asked,"
               " clean_count AS clean FROM sessions),"
               " ranked AS ("
               " SELECT *, ROW_NUMBER() OVER (PARTITION BY player ORDER BY id DESC) AS r FROM per)"
               " SELECT player, r <= ? AS recent, SUM(asked), SUM(clean) FROM ranked WHERE r <= ?"
               " GROUP BY player, recent",
               {TrendSessions, 2 * TrendSessions});
    while (q.next()) {
        const auto found = players.find(q.value(0).toLongLong());
        const int asked = q.value(2).toInt();
        if (found == players.end() || asked == 0)
            continue;
        const double share = q.value(3).toDouble() / asked;
        (q.value(1).toBool() ? found->recentShare : found->earlierShare) = share;
    }
}

} // namespace

QList<PlayerOverview> teacherTable(ProgressDatabase& db) {
    QList<PlayerOverview> table;
    const bool read = db.read([&](const QSqlDatabase& c) {
        QList<qint64> order;
        QHash<qint64, PlayerOverview> players;
        QSqlQuery q = sqlRun(c, "SELECT p.id, p.name, COUNT(s.id), MAX(s.started_at)"
                                " FROM players p JOIN sessions s ON s.player_id = p.id"
                                " GROUP BY p.id ORDER BY p.match_key, p.id");
        while (q.next()) {
            PlayerOverview p;
            p.player = q.value(1).toString();
            p.sessions = q.value(2).toInt();
            p.lastPlayed = QDateTime::fromString(q.value(3).toString(), Qt::ISODateWithMs);
            order.append(q.value(0).toLongLong());
            players.insert(order.back(), p);
        }
        for (const PlayerTown& town : playerTowns(c, -1))
            if (town.knowledge.level() == Knowledge::Learnt)
                if (const auto found = players.find(town.playerId); found != players.end())
                    ++found->townsLearnt;
        addTrends(c, players);
        for (qint64 id : order)
            table.append(players.value(id));
    });
    return read ? table : QList<PlayerOverview>();
}
