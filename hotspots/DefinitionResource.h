#pragma once

#include <QString>
#include <QStringList>

// The definition lines of a definitions file or resource, one a line (any line ends; a final
// line end adds no line). Every line is parsed once here, so that a malformed one is reported
// with its file and line number before any map uses it.
QStringList ReadDefinitionLines(const QString& path);
