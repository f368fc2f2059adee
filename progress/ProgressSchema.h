// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

// The record's tables, version by version. The table schema_migrations holds one row per
// version applied; a file is at the highest of them.
namespace ProgressSchema {

// The version this program writes.
int latestVersion();

// What a file holds: no tables at all (a new file), our tables at a version, or tables of some
// other program.
struct State {
    enum Kind { Empty, Ours, Foreign } kind = Empty;
    int version = 0;
};
State read(const QSqlDatabase& db);

// Applies the migrations after the file's version, in order, inside the caller's transaction.
// Throws SqlFailure.
void migrate(const QSqlDatabase& db);

} // namespace ProgressSchema
