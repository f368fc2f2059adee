// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TownSpellings.h"

#include "MapMarks.h"

#include <QWidget>

class LearningRecord;
class QChartView;
class QComboBox;
class QTreeWidget;
class THyperImages;

// One player's progress: sessions over time as a chart, every town of a region coloured by
// how well the player knows it, and the towns missed most.
class ProgressPage : public QWidget {
    Q_OBJECT
public:
    ProgressPage(LearningRecord& record, const TownSpellings& spellings, const QString& picturesDir,
                 QWidget* parent = nullptr);

    // Reads the record again.
    void refresh();
    void showRegion(int index);

    QChartView* Chart;
    QComboBox* RegionChooser;
    THyperImages* KnowledgeMap;
    QTreeWidget* MissedList;
    const MapMarks& marks() const { return shownMarks; }

private:
    void fillChart();
    void fillMissed();

    LearningRecord& record;
    const TownSpellings& spellings;
    MapMarks shownMarks;
};
