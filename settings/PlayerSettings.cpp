// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerSettings.h"

#include "ProfileValues.h"

#include <algorithm>

PlayerSettings readPlayerSettings(const ProfileFile& file, const QString& player,
                                  const QStringList& towns) {
    using S = PlayerSettings;
    namespace Keys = PlayerSettingsKeys;
    const ProfileSnapshot profile = file.load();
    PlayerSettings settings;
    settings.disliked.reserve(size_t(towns.size()));
    for (const QString& town : towns)
        settings.disliked.push_back(profile.readFlag(player, town, false));
    settings.time = std::clamp(int(profile.readInteger(player, Keys::Time, S::DefaultTime)),
                               S::MinTime, S::MaxTime);
    settings.bonus = std::clamp(int(profile.readInteger(player, Keys::Bonus, S::DefaultBonus)),
                                S::MinBonus, S::MaxBonus);
    settings.questions =
        std::clamp(int(profile.readInteger(player, Keys::Questions, S::DefaultQuestions)),
                   S::MinQuestions, S::MaxQuestions);
    settings.sound = profile.readFlag(player, Keys::Sound, S::DefaultSound);
    settings.practice = profile.readFlag(player, Keys::Practice, S::DefaultPractice);
    return settings;
}

void writePlayerSettings(ProfileFile& file, const QString& player, const QStringList& towns,
                         const PlayerSettings& settings) {
    namespace Keys = PlayerSettingsKeys;
    QList<ProfileEntry> entries;
    entries.reserve(towns.size() + 4);
    for (qsizetype i = 0; i < towns.size(); ++i) {
        const bool disliked = size_t(i) < settings.disliked.size() && settings.disliked[size_t(i)];
        entries.append({towns[i], profileFlagText(disliked)});
    }
    entries.append({Keys::Time, profileIntegerText(settings.time)});
    entries.append({Keys::Bonus, profileIntegerText(settings.bonus)});
    entries.append({Keys::Questions, profileIntegerText(settings.questions)});
    entries.append({Keys::Sound, profileFlagText(settings.sound)});
    if (settings.practice || file.load().value(player, Keys::Practice))
        entries.append({Keys::Practice, profileFlagText(settings.practice)});
    file.write(player, entries);
}
