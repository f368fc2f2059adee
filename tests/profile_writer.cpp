// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one player's section of a settings file again and again, as a second copy of the game
// would, or dies in the middle of a save.
//
//   profile_writer FILE PLAYER COUNT    COUNT saves; save i adds the key "Save<i>"
//   profile_writer FILE PLAYER crash    one save that ends the process after the new file
//                                       is written and before it replaces the old one

#include "ProfileFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: profile_writer FILE PLAYER COUNT|crash\n");
        return 2;
    }
    ProfileFile file(args[1]);
    const QString& player = args[2];
    const bool crash = args[3] == QLatin1String("crash");
    const int count = crash ? 1 : args[3].toInt();

    QList<ProfileEntry> entries;
    for (int town = 0; town < 130; ++town)
        entries.append({QStringLiteral("Town %1").arg(town), QString::number(town % 2)});
    entries.append({QStringLiteral("Time"), QStringLiteral("1500")});
    entries.append({QStringLiteral("Bonus"), QStringLiteral("2")});
    entries.append({QStringLiteral("Numquesiti"), QStringLiteral("5")});
    entries.append({QStringLiteral("Sound"), QStringLiteral("1")});

    if (crash)
        ProfileFile::setBeforeReplaceHook([](const QString&) { std::_Exit(3); });
    try {
        for (int i = 0; i < count; ++i) {
            entries.append({QStringLiteral("Save%1").arg(i), QStringLiteral("1")});
            file.write(player, entries);
        }
    } catch (const TerravaError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
