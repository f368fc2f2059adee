// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TownSpellings.h"

#include "Error.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

TownSpellings TownSpellings::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TerravaError(
            QCoreApplication::translate("TownSpellings", "Cannot read the town list %1: %2")
                .arg(path, file.errorString()));
    return fromText(QString::fromUtf8(file.readAll()), path);
}

TownSpellings TownSpellings::fromText(const QString& text, const QString& path) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QStringList header = lines.value(0).split(QLatin1Char(','));
    const qsizetype nameColumn = header.indexOf(QLatin1String("name"));
    const qsizetype spellingColumn = header.indexOf(QLatin1String("spelling"));
    if (nameColumn < 0 || spellingColumn < 0)
        throw TerravaError(
            QCoreApplication::translate(
                "TownSpellings", "%1, line 1: the header names no column \"name\" or \"spelling\"")
                .arg(path));
    TownSpellings result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char(','));
        if (fields.size() != header.size())
            throw TerravaError(
                QCoreApplication::translate("TownSpellings",
                                            "%1, line %2: %3 fields, where the header names %4")
                    .arg(path)
                    .arg(i + 1)
                    .arg(fields.size())
                    .arg(header.size()));
        const QString& name = fields[nameColumn];
        const QString& spelling = fields[spellingColumn];
        if (name.isEmpty() || spelling.isEmpty())
            throw TerravaError(
                QCoreApplication::translate("TownSpellings",
                                            "%1, line %2: a town without a name or a spelling")
                    .arg(path)
                    .arg(i + 1));
        if (spelling != name)
            result.spellings.insert(name, spelling);
    }
    return result;
}
