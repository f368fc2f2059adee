// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TownSpellings.h"

#include "MapMarks.h"
#include "SessionReview.h"

#include <QWidget>
#include <optional>

class LearningRecord;
class QComboBox;
class QLabel;
class QTreeWidget;
class THyperImages;

// One session looked back on: every town asked, in order, found or not, the time it took and
// the wrong clicks; the town chosen is shown on its region's map with what was clicked
// instead, each with a line to the right place and how far it was.
class ReviewPage : public QWidget {
    Q_OBJECT
public:
    ReviewPage(LearningRecord& record, const TownSpellings& spellings, const QString& picturesDir,
               QWidget* parent = nullptr);

    // Reads the player's sessions again and shows the one given (0: the latest).
    void showSession(qint64 sessionId);
    // Shows the town at that row of the list on its map.
    void chooseTown(int row);

    QComboBox* SessionChooser;
    QTreeWidget* TownList;
    THyperImages* ReviewMap;
    QLabel* TownLabel; // what the map shows, in words
    const MapMarks& marks() const { return shownMarks; }
    const std::optional<SessionReview>& review() const { return shown; }

private:
    void fillSessions(qint64 chosen);
    void fillTowns();
    MapMarks marksFor(const ReviewedTown& town, const QString& picture);

    LearningRecord& record;
    const TownSpellings& spellings;
    std::optional<SessionReview> shown;
    MapMarks shownMarks;
    bool filling = false;
};

// Seconds with one decimal in the player's locale, "12.3 s".
QString SecondsText(qint64 ms);
