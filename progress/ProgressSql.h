// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// A statement of the record that failed; ProgressDatabase turns it into the player's problem.
struct SqlFailure {
    QSqlError error;
};

// Prepares one statement, binds the values in order and runs it. Throws SqlFailure when any of
// that fails. The query is positioned before its first row.
QSqlQuery sqlRun(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// The first column of the first row, or an invalid value when there is no row.
QVariant sqlValue(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// SQLite's primary result code of a failure (SQLITE_FULL, SQLITE_CORRUPT, ...).
int sqliteCode(const QSqlError& error);

namespace SqliteCode {
constexpr int Perm = 3;
constexpr int Busy = 5;
constexpr int Locked = 6;
constexpr int ReadOnly = 8;
constexpr int IoErr = 10;
constexpr int Corrupt = 11;
constexpr int Full = 13;
constexpr int CantOpen = 14;
constexpr int NotADatabase = 26;
} // namespace SqliteCode

// The context of the record's texts for the player.
struct ProgressText {
    Q_DECLARE_TR_FUNCTIONS(ProgressRecord)
};
