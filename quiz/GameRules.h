// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The arithmetic and decisions of the game flow, for the main window's handlers.

// The time bar: positions 0 to 100. The bar clamps every assignment into that range and the
// handlers read the position back, so each step below works on a clamped value.
namespace TimeBar {

constexpr int Min = 0;
constexpr int Max = 100;

int clamp(long long position);

// A right answer adds half the bonus setting, truncated: 0 and 1 add nothing, 10 adds 5.
int afterRightAnswer(int position, int bonusSetting);

// A wrong answer costs the whole setting.
int afterWrongAnswer(int position, int bonusSetting);

// Each timer event takes one step off.
int afterTimerStep(int position);

// Whether a timer step has emptied the bar: the time is up.
bool isTimeUp(int position);

} // namespace TimeBar

enum class Answer {
    None,  // no town named: nothing happens
    Right, // the town to find, spelled exactly the same
    Wrong, // any other town
};

// Judges the name of the town clicked against the town to find: equal as whole texts, letter
// case significant, is right. An empty name names no town and is neither right nor wrong,
// also when nothing is being asked.
Answer judgeAnswer(const QString& townClicked, const QString& townToFind);
