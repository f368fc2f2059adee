// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

// How the towns are shown to the player. The definitions write a few names in plain letters
// ("Forli", "L Aquila"); those plain names stay the towns' names for the definitions, the
// settings and the judgement, while the player reads the proper spelling ("Forlì",
// "L'Aquila"). Town names are data: they are never translated.
class TownSpellings {
public:
    TownSpellings() = default;

    // Reads the town table of the content: a header line naming the columns, among them
    // "name" and "spelling", then one line per town, fields separated by commas. Raises an
    // error that names the file and line when the file cannot be read or a line is malformed.
    static TownSpellings readFile(const QString& path);
    static TownSpellings fromText(const QString& text, const QString& path);

    // The spelling to show for a town's name; the name itself for a town without one.
    QString shown(const QString& name) const { return spellings.value(name, name); }

private:
    QHash<QString, QString> spellings;
};
