// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TownSpellings.h"

#include <QWidget>

class ClassPage;
class LearningRecord;
class ProgressPage;
class QLabel;
class QTabWidget;
class ReviewPage;

// The window of looking back, beside the game's own: the review of a session, the player's
// progress and the class. It only reads the record; it never stops or changes a session.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(LearningRecord& record, const TownSpellings& spellings,
                   const QString& picturesDir, QWidget* parent = nullptr);

    // Reads the record again and opens on the review of the session (0: the latest).
    void showReview(qint64 sessionId);

    QTabWidget* Tabs;
    ReviewPage* Review;
    ProgressPage* Progress;
    ClassPage* Class;
    QLabel* RecordState; // says when the record is off, and why

private:
    LearningRecord& record;
    const TownSpellings& spellings;
};
