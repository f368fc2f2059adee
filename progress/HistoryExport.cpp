// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryExport.h"

#include "Csv.h"
#include "ProfileText.h"
#include "ProgressSql.h"
#include "ProgressTypes.h"

#include <QDir>
#include <QSaveFile>

namespace {

QStringList header() {
    return {ProgressText::tr("player"),
            ProgressText::tr("session started (UTC)"),
            ProgressText::tr("time step (ms)"),
            ProgressText::tr("questions"),
            ProgressText::tr("bonus / penalty"),
            ProgressText::tr("sound"),
            ProgressText::tr("practice"),
            ProgressText::tr("time up after (ms)"),
            ProgressText::tr("end"),
            ProgressText::tr("town drawn"),
            ProgressText::tr("town"),
            ProgressText::tr("asked as"),
            ProgressText::tr("found"),
            ProgressText::tr("found in time"),
            ProgressText::tr("time to find (ms)"),
            ProgressText::tr("wrong clicks"),
            ProgressText::tr("clicked instead")};
}

QString yesNo(const QVariant& flag) {
    if (flag.isNull())
        return {};
    return flag.toBool() ? ProgressText::tr("yes") : ProgressText::tr("no");
}

QString endText(const QVariant& key) {
    if (key.isNull())
        return ProgressText::tr("cut short");
    switch (sessionEndFromKey(key.toString()).value_or(SessionEnd::WindowClosed)) {
    case SessionEnd::AllFound:
        return ProgressText::tr("all found");
    case SessionEnd::NewStart:
        return ProgressText::tr("new start");
    case SessionEnd::WindowClosed:
        break;
    }
    return ProgressText::tr("window closed");
}

const char* const HistorySql =
    "SELECT p.name, s.started_at, s.interval_ms, s.question_count, s.bonus, s.sound, s.practice,"
    " s.time_up_ms, s.end_reason, t.position, t.town, t.asked_order, t.found_ms IS NOT NULL,"
    " t.found_in_time, t.found_ms, t.wrong_clicks,"
    " (SELECT group_concat(w.clicked || ' (' || w.kind || ')', '; ') FROM"
    "  (SELECT clicked, kind FROM wrong_clicks"
    "   WHERE session_id = t.session_id AND position = t.position ORDER BY rowid) w)"
    " FROM sessions s JOIN players p ON p.id = s.player_id"
    " JOIN session_towns t ON t.session_id = s.id"
    " WHERE (? OR p.match_key = ?)"
    " ORDER BY p.match_key, s.id, t.position";

} // namespace

QByteArray historyCsv(ProgressDatabase& db, const std::optional<QString>& player) {
    QByteArray out = "\xEF\xBB\xBF" + csvRecord(header());
    db.read([&](const QSqlDatabase& c) {
        QSqlQuery q = sqlRun(c, QString::fromLatin1(HistorySql),
                             {int(!player), player ? MatchedName(*player) : QString()});
        while (q.next()) {
            const auto text = [&](int i) { return q.value(i).toString(); };
            out += csvRecord(
                {text(0), text(1), text(2), text(3), text(4), yesNo(q.value(5)), yesNo(q.value(6)),
                 text(7), endText(q.value(8)), QString::number(q.value(9).toInt() + 1), text(10),
                 text(11), yesNo(q.value(12)), yesNo(q.value(13)), text(14), text(15), text(16)});
        }
    });
    return out;
}

QString exportHistory(ProgressDatabase& db, const std::optional<QString>& player,
                      const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = historyCsv(db, player);
        if (file.write(bytes) == bytes.size() && file.commit())
            return {};
    }
    return ProgressText::tr("Unable to write to %1: %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}
