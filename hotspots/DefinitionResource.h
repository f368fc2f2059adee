// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The one reader of hotspot definition files and resources, for the game and the tools alike.

// The lines of a definitions file, one a line: any line end (LF, CRLF, CR) ends a line, and a
// final line end adds no line. Raises a clear error when the file cannot be read.
QStringList ReadDefinitionFile(const QString& path);

// The same lines, each parsed once here, so that a malformed one is reported with its file and
// line number before any map uses it.
QStringList ReadDefinitionLines(const QString& path);
