// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProfileFile.h"

#include <QString>
#include <QStringList>
#include <vector>

// A player's preferences as kept in the settings file, in the player's own section: one flag
// per town of the town list (the towns not to be asked), the time-bar interval, the bonus and
// penalty, the towns per quiz and sound on or off.
struct PlayerSettings {
    static constexpr int DefaultTime = 1500;
    static constexpr int MinTime = 10;
    static constexpr int MaxTime = 5010;
    static constexpr int DefaultBonus = 2;
    static constexpr int MinBonus = 0;
    static constexpr int MaxBonus = 10;
    static constexpr int DefaultQuestions = 5;
    static constexpr int MinQuestions = 1;
    static constexpr int MaxQuestions = 30;
    static constexpr bool DefaultSound = false;
    static constexpr bool DefaultPractice = false;

    std::vector<bool> disliked; // one per town, in the order of the town list
    int time = DefaultTime;     // milliseconds per step of the time bar
    int bonus = DefaultBonus;
    int questions = DefaultQuestions;
    bool sound = DefaultSound;
    bool practice = DefaultPractice; // draw from the player's record instead of at random
};

namespace PlayerSettingsKeys {
inline const QString Time = QStringLiteral("Time");
inline const QString Bonus = QStringLiteral("Bonus");
inline const QString Questions = QStringLiteral("Numquesiti");
inline const QString Sound = QStringLiteral("Sound");
inline const QString Practice = QStringLiteral("Practice");
} // namespace PlayerSettingsKeys

// The player's section read once: the town flags item by item, then "Time", "Bonus" and
// "Numquesiti", each moved into its control's range, then "Sound" and "Practice". A new player, a
// missing file or one that cannot be read gives the defaults; nothing is written.
PlayerSettings readPlayerSettings(const ProfileFile& file, const QString& player,
                                  const QStringList& towns);

// Every key, every time, in one transaction: the towns from first to last ("1" for a disliked
// town, "0" otherwise), then "Time", "Bonus", "Numquesiti" in decimal and "Sound". "Practice"
// follows when it is on or the section holds it already, so that the section of a player who
// never practised stays as the game has always written it. Raises the
// file's "Unable to write to" error when it cannot be saved; the file is then as it was.
void writePlayerSettings(ProfileFile& file, const QString& player, const QStringList& towns,
                         const PlayerSettings& settings);
