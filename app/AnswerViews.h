// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QProgressBar;
class QWidget;
class TProgressBar;

// What the player needs in sight while answering, on the pages of the two maps: a slim view of
// the time left on each, following the time bar (which stays the clock, on the Questions
// page), and on the Regions page the town to find. Made before the window is scaled, so that
// they scale with it.
struct AnswerViews {
    QProgressBar* NationTimeView = nullptr;
    QProgressBar* RegionsTimeView = nullptr;
    QLabel* RegionsTownView = nullptr;

    AnswerViews() = default;
    AnswerViews(QWidget* nation, QWidget* regions, TProgressBar* clock);

    // The Regions page's line: "Find: " and the town; nothing when no town is asked.
    void showTownToFind(const QString& town);
};
