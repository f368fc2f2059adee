// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRules.h"

#include <algorithm>

namespace TimeBar {

int clamp(long long position) {
    return static_cast<int>(std::clamp<long long>(position, Min, Max));
}

int afterRightAnswer(int position, int bonusSetting) {
    return clamp(static_cast<long long>(position) + bonusSetting / 2);
}

int afterWrongAnswer(int position, int bonusSetting) {
    return clamp(static_cast<long long>(position) - bonusSetting);
}

int afterTimerStep(int position) {
    return clamp(static_cast<long long>(position) - 1);
}

bool isTimeUp(int position) {
    return position == Min;
}

} // namespace TimeBar

Answer judgeAnswer(const QString& townClicked, const QString& townToFind) {
    if (townClicked.isEmpty())
        return Answer::None;
    return townClicked == townToFind ? Answer::Right : Answer::Wrong;
}
