// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownTownNames.h"

#include "Error.h"

QString Spelt(const QString& town) {
    // The main window reads the same table at its creation and reports a bad one there.
    static const TownSpellings spellings = [] {
        try {
            return TownSpellings::readFile(QStringLiteral(":/content/towns.csv"));
        } catch (const TerravaError&) {
            return TownSpellings();
        }
    }();
    return spellings.shown(town);
}
