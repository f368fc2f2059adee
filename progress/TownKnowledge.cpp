// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TownKnowledge.h"

#include "ProfileText.h"
#include "ProgressSql.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace {

QDateTime utc(const QVariant& value) {
    return value.isNull() ? QDateTime()
                          : QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

// The player's session ids in order, to count the sessions after a given one.
std::vector<qint64> sessionIds(const QSqlDatabase& db, qint64 playerId) {
    std::vector<qint64> ids;
    QSqlQuery q = sqlRun(db, "SELECT id FROM sessions WHERE player_id = ? ORDER BY id", {playerId});
    while (q.next())
        ids.push_back(q.value(0).toLongLong());
    return ids;
}

int sessionsAfter(const std::vector<qint64>& ids, qint64 session) {
    return int(ids.end() - std::upper_bound(ids.begin(), ids.end(), session));
}

} // namespace

Knowledge knowledgeOfBox(int box) {
    switch (box) {
    case 0:
        return Knowledge::NotAsked;
    case 1:
        return Knowledge::Missed;
    case 2:
        return Knowledge::Learning;
    default:
        return Knowledge::Learnt;
    }
}

qint64 findPlayer(const QSqlDatabase& db, const QString& player) {
    return sqlValue(db, "SELECT id FROM players WHERE match_key = ?", {MatchedName(player)})
        .toLongLong();
}

QList<PlayerTown> playerTowns(const QSqlDatabase& db, qint64 playerId) {
    const bool everyone = playerId < 0;
    QSqlQuery q = sqlRun(db,
                         QStringLiteral("SELECT player_id, town, asked, missed, box, last_session,"
                                        " last_asked_at, last_found_at FROM town_records%1")
                             .arg(everyone ? QString() : QStringLiteral(" WHERE player_id = ?")),
                         everyone ? QVariantList() : QVariantList{playerId});
    QList<PlayerTown> result;
    while (q.next()) {
        PlayerTown row;
        row.playerId = q.value(0).toLongLong();
        TownKnowledge& k = row.knowledge;
        k.town = q.value(1).toString();
        k.asked = q.value(2).toInt();
        k.missed = q.value(3).toInt();
        k.box = q.value(4).toInt();
        row.lastSession = q.value(5).toLongLong();
        k.lastAsked = utc(q.value(6));
        k.lastFound = utc(q.value(7));
        result.append(row);
    }
    return result;
}

namespace {

// Every town the player was asked, with its sessions since, or nothing for a new player.
QList<TownKnowledge> askedTowns(ProgressDatabase& db, const QString& player) {
    QList<TownKnowledge> towns;
    const bool read = db.read([&](const QSqlDatabase& c) {
        const qint64 id = findPlayer(c, player);
        if (id == 0)
            return;
        const std::vector<qint64> ids = sessionIds(c, id);
        for (PlayerTown& row : playerTowns(c, id)) {
            row.knowledge.sessionsSinceAsked = sessionsAfter(ids, row.lastSession);
            towns.append(row.knowledge);
        }
    });
    return read ? towns : QList<TownKnowledge>();
}

} // namespace

QList<TownKnowledge> townKnowledge(ProgressDatabase& db, const QString& player,
                                   const QStringList& towns) {
    QHash<QString, TownKnowledge> asked;
    for (const TownKnowledge& k : askedTowns(db, player))
        asked.insert(k.town.toCaseFolded(), k);
    QList<TownKnowledge> result;
    result.reserve(towns.size());
    for (const QString& town : towns) {
        TownKnowledge k = asked.value(town.toCaseFolded());
        k.town = town;
        result.append(k);
    }
    return result;
}

QList<TownKnowledge> mostMissed(ProgressDatabase& db, const QString& player, int limit) {
    QList<TownKnowledge> towns = askedTowns(db, player);
    towns.removeIf([](const TownKnowledge& k) { return k.missed == 0; });
    std::sort(towns.begin(), towns.end(), [](const TownKnowledge& a, const TownKnowledge& b) {
        if (a.missed != b.missed)
            return a.missed > b.missed;
        if (a.sessionsSinceAsked != b.sessionsSinceAsked)
            return a.sessionsSinceAsked < b.sessionsSinceAsked;
        return a.town < b.town;
    });
    if (towns.size() > limit)
        towns.resize(std::max(0, limit));
    return towns;
}
