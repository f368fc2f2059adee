// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionReview.h"

#include "ProgressSql.h"

#include <QHash>

namespace {

std::optional<qint64> optionalMs(const QVariant& value) {
    return value.isNull() ? std::nullopt : std::optional<qint64>(value.toLongLong());
}

SessionReview sessionRow(QSqlQuery& q) {
    SessionReview review;
    review.id = q.value(0).toLongLong();
    review.player = q.value(1).toString();
    review.startedAt = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
    review.settings.intervalMs = q.value(3).toInt();
    review.settings.questions = q.value(4).toInt();
    review.settings.bonus = q.value(5).toInt();
    review.settings.sound = q.value(6).toBool();
    review.settings.practice = q.value(7).toBool();
    const QString disliked = q.value(8).toString();
    if (!disliked.isEmpty())
        review.settings.disliked = disliked.split(QLatin1Char('\n'));
    review.timeUpMs = optionalMs(q.value(9));
    review.endedMs = optionalMs(q.value(10));
    review.end = sessionEndFromKey(q.value(11).toString());
    return review;
}

} // namespace

std::optional<SessionReview> sessionReview(ProgressDatabase& db, qint64 sessionId) {
    std::optional<SessionReview> reviewed;
    const bool read = db.read([&](const QSqlDatabase& c) {
        QSqlQuery s = sqlRun(c,
                             "SELECT s.id, p.name, s.started_at, s.interval_ms, s.question_count,"
                             " s.bonus, s.sound, s.practice, s.disliked, s.time_up_ms,"
                             " s.ended_ms, s.end_reason"
                             " FROM sessions s JOIN players p ON p.id = s.player_id"
                             " WHERE s.id = ?",
                             {sessionId});
        if (!s.next())
            return;
        SessionReview review = sessionRow(s);

        QSqlQuery t = sqlRun(c,
                             "SELECT position, town, asked_order, found_ms, found_in_time"
                             " FROM session_towns WHERE session_id = ?"
                             " ORDER BY asked_order IS NULL, asked_order, position",
                             {sessionId});
        QHash<int, qsizetype> byPosition;
        while (t.next()) {
            ReviewedTown town;
            town.position = t.value(0).toInt();
            town.town = t.value(1).toString();
            town.askedOrder = t.value(2).toInt();
            town.found = !t.value(3).isNull();
            town.foundMs = town.found ? t.value(3).toLongLong() : -1;
            town.foundInTime = t.value(4).toBool();
            byPosition.insert(town.position, review.towns.size());
            review.towns.append(town);
        }

        QSqlQuery w = sqlRun(c,
                             "SELECT position, at_ms, kind, clicked, picture, x, y"
                             " FROM wrong_clicks WHERE session_id = ? ORDER BY rowid",
                             {sessionId});
        while (w.next()) {
            const auto found = byPosition.constFind(w.value(0).toInt());
            if (found == byPosition.cend())
                continue;
            ReviewedClick click;
            click.atMs = w.value(1).toLongLong();
            click.click.kind = w.value(2).toString() == QLatin1String("region")
                                   ? WrongClick::Kind::Region
                                   : WrongClick::Kind::Town;
            click.click.clicked = w.value(3).toString();
            click.click.picture = w.value(4).toString();
            click.click.point = QPoint(w.value(5).toInt(), w.value(6).toInt());
            review.towns[*found].wrongClicks.append(click);
        }
        reviewed = std::move(review);
    });
    return read ? reviewed : std::nullopt;
}
