// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressDatabase.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The history as a spreadsheet opens it: CSV (RFC 4180) in UTF-8 with a byte-order mark, a
// header row, then one row per town of every session, oldest session first, the towns in the
// order drawn. Times are UTC in ISO 8601. The header and the words in it are translated.
//
// player: one player's history, matched as the settings file matches names; none: every
// player's, by name.
QByteArray historyCsv(ProgressDatabase& db, const std::optional<QString>& player);

// The same, written to the file at path, all or nothing. Returns the error, in the player's
// words with the path, or an empty text when it was written.
QString exportHistory(ProgressDatabase& db, const std::optional<QString>& player,
                      const QString& path);
