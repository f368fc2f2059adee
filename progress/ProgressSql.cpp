// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressSql.h"

QSqlQuery sqlRun(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw SqlFailure{query.lastError()};
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw SqlFailure{query.lastError()};
    return query;
}

QVariant sqlValue(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery query = sqlRun(db, sql, values);
    return query.next() ? query.value(0) : QVariant();
}

int sqliteCode(const QSqlError& error) {
    // The driver reports the extended code where SQLite gives one; its low byte is the
    // primary code.
    return error.nativeErrorCode().toInt() & 0xff;
}
