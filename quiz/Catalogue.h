// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// The five macro-regions of the nation map, each shown by the picture of the same name.
using TRegionIndex = std::uint8_t;

constexpr int RegionCount = 5;

// "Padania.bmp", "Etruria.bmp", "Ausonia.bmp", "Sicilia.bmp", "Sardegna.bmp", by index.
extern const std::array<QString, RegionCount> RegionPictures;

// The index of a region name, compared exactly (case and length significant); none for any
// other name.
std::optional<TRegionIndex> RegionIndex(const QString& name);

// The text between the first "/" and the first "=" of a definition: the town name.
QString NameOfDefinition(const QString& definition);

// The distinct town names of a list of definitions, each once in the order of its first
// definition, spelled as there; names equal but for letter case count as one.
QStringList TownNames(const QStringList& definitions);
