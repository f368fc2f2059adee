// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionResource.h"

#include "Error.h"
#include "HotspotDefinition.h"

#include <QCoreApplication>
#include <QFile>

QStringList ReadDefinitionFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TerravaError(QCoreApplication::translate("DefinitionResource",
                                                       "Cannot read the hotspot definitions %1: %2")
                               .arg(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList ReadDefinitionLines(const QString& path) {
    const QStringList lines = ReadDefinitionFile(path);
    for (int i = 0; i < lines.size(); ++i) {
        try {
            ParseHotspot(lines[i]);
        } catch (const TerravaError& e) {
            throw TerravaError(QCoreApplication::translate("DefinitionResource", "%1, line %2: %3")
                                   .arg(path)
                                   .arg(i + 1)
                                   .arg(e.message()));
        }
    }
    return lines;
}
