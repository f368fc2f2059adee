// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressSchema.h"

#include "ProgressSql.h"

#include <QDateTime>
#include <QStringList>
#include <vector>

namespace {

struct Migration {
    int version;
    QStringList statements;
};

// Times are UTC in ISO 8601 with milliseconds; the times of a session's events are
// milliseconds after its start, on a clock that does not jump. Towns and players are kept by
// name, as the game knows them.
const std::vector<Migration>& migrations() {
    static const std::vector<Migration> list = {
        {1,
         {
             // A player under the name first typed; match_key is the name as the settings
             // file matches it (blanks around it cut off, case folded).
             "CREATE TABLE players ("
             " id INTEGER PRIMARY KEY,"
             " name TEXT NOT NULL,"
             " match_key TEXT NOT NULL UNIQUE)",
             // One Start, with the settings it was played with. disliked: the towns left out,
             // one per line. time_up_ms: when the time bar ran out, if it did. end_reason:
             // all_found, new_start or window_closed; none when the game was killed.
             // asked_count and clean_count: towns asked, and found at the first try.
             "CREATE TABLE sessions ("
             " id INTEGER PRIMARY KEY,"
             " player_id INTEGER NOT NULL REFERENCES players(id),"
             " started_at TEXT NOT NULL,"
             " interval_ms INTEGER NOT NULL,"
             " question_count INTEGER NOT NULL,"
             " bonus INTEGER NOT NULL,"
             " sound INTEGER NOT NULL,"
             " practice INTEGER NOT NULL,"
             " disliked TEXT NOT NULL,"
             " time_up_ms INTEGER,"
             " ended_ms INTEGER,"
             " end_reason TEXT CHECK (end_reason IN ('all_found', 'new_start', "
             "'window_closed')),"
             " asked_count INTEGER NOT NULL DEFAULT 0,"
             " clean_count INTEGER NOT NULL DEFAULT 0)",
             "CREATE INDEX sessions_of_player ON sessions(player_id, id)",
             // The session's towns in the order drawn. asked_order: 1 for the first town
             // asked, and so on; none for a town never asked. found_ms: the time the town
             // was the town to find until it was found. wrong_clicks: how many rows of
             // wrong_clicks it has.
             "CREATE TABLE session_towns ("
             " session_id INTEGER NOT NULL REFERENCES sessions(id),"
             " position INTEGER NOT NULL,"
             " town TEXT NOT NULL,"
             " asked_order INTEGER,"
             " asked_ms INTEGER,"
             " found_ms INTEGER,"
             " found_in_time INTEGER,"
             " wrong_clicks INTEGER NOT NULL DEFAULT 0,"
             " PRIMARY KEY (session_id, position)) WITHOUT ROWID",
             // What was clicked instead of the town asked: a region of the nation map or a
             // town of a region map, and where, in the picture's own pixels.
             "CREATE TABLE wrong_clicks ("
             " session_id INTEGER NOT NULL,"
             " position INTEGER NOT NULL,"
             " at_ms INTEGER NOT NULL,"
             " kind TEXT NOT NULL CHECK (kind IN ('region', 'town')),"
             " clicked TEXT NOT NULL,"
             " picture TEXT NOT NULL,"
             " x INTEGER NOT NULL,"
             " y INTEGER NOT NULL,"
             " FOREIGN KEY (session_id, position) REFERENCES session_towns)",
             "CREATE INDEX wrong_clicks_of_town ON wrong_clicks(session_id, position)",
             // Per player and town, kept up to date with every answer so that the progress
             // views read one row per town: the sessions that asked it, those that missed
             // it, its Leitner box (TownKnowledge.h), the last session that asked it and the
             // starts of the last sessions that asked and found it.
             "CREATE TABLE town_records ("
             " player_id INTEGER NOT NULL REFERENCES players(id),"
             " town TEXT NOT NULL,"
             " asked INTEGER NOT NULL DEFAULT 0,"
             " missed INTEGER NOT NULL DEFAULT 0,"
             " box INTEGER NOT NULL DEFAULT 0,"
             " last_session INTEGER,"
             " last_asked_at TEXT,"
             " last_found_at TEXT,"
             " PRIMARY KEY (player_id, town)) WITHOUT ROWID",
         }},
    };
    return list;
}

} // namespace

namespace ProgressSchema {

int latestVersion() {
    return migrations().back().version;
}

State read(const QSqlDatabase& db) {
    QSqlQuery tables = sqlRun(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    bool any = false;
    bool ours = false;
    while (tables.next()) {
        any = true;
        ours = ours || tables.value(0).toString() == QLatin1String("schema_migrations");
    }
    tables.finish();
    if (!any)
        return {};
    if (!ours)
        return {State::Foreign, 0};
    return {State::Ours, sqlValue(db, "SELECT MAX(version) FROM schema_migrations").toInt()};
}

void migrate(const QSqlDatabase& db) {
    sqlRun(db, "CREATE TABLE IF NOT EXISTS schema_migrations ("
               " version INTEGER PRIMARY KEY,"
               " applied_at TEXT NOT NULL)");
    const int from =
        sqlValue(db, "SELECT COALESCE(MAX(version), 0) FROM schema_migrations").toInt();
    for (const Migration& migration : migrations()) {
        if (migration.version <= from)
            continue;
        for (const QString& statement : migration.statements)
            sqlRun(db, statement);
        sqlRun(db, "INSERT INTO schema_migrations (version, applied_at) VALUES (?, ?)",
               {migration.version, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)});
    }
}

} // namespace ProgressSchema
