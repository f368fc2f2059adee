// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogue.h"

#include "TownComparison.h"

#include <algorithm>

const std::array<QString, RegionCount> RegionPictures{
    QStringLiteral("Padania.bmp"), QStringLiteral("Etruria.bmp"), QStringLiteral("Ausonia.bmp"),
    QStringLiteral("Sicilia.bmp"), QStringLiteral("Sardegna.bmp")};

std::optional<TRegionIndex> RegionIndex(const QString& name) {
    static const std::array<QString, RegionCount> names{
        QStringLiteral("Padania"), QStringLiteral("Etruria"), QStringLiteral("Ausonia"),
        QStringLiteral("Sicilia"), QStringLiteral("Sardegna")};
    for (int i = 0; i < RegionCount; ++i)
        if (names[std::size_t(i)] == name)
            return TRegionIndex(i);
    return std::nullopt;
}

QString NameOfDefinition(const QString& definition) {
    // Positions counted from 1, 0 for a character that is missing.
    const qsizetype p = definition.indexOf(QLatin1Char('/')) + 1;
    const qsizetype q = definition.indexOf(QLatin1Char('=')) + 1;
    const qsizetype n = q - p - 1;
    return n > 0 ? definition.mid(p, n) : QString();
}

QStringList TownNames(const QStringList& definitions) {
    QStringList names;
    for (const QString& definition : definitions) {
        const QString name = NameOfDefinition(definition);
        const bool known = std::any_of(names.begin(), names.end(), [&](const QString& item) {
            return SameTownName(item, name);
        });
        if (!known)
            names << name;
    }
    return names;
}
