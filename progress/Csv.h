// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as RFC 4180 has them: fields holding a comma, a quote or a line break
// are quoted, quotes doubled; records end with CR LF. Text is UTF-8.
QByteArray csvRecord(const QStringList& fields);

// The records of a CSV text (either line end; a final line end or none). A quoted field that
// is not closed, or text after a closing quote, is an error naming the line; the result is then
// empty and error says what went wrong.
QList<QStringList> parseCsv(const QByteArray& text, QString* error);
