// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geography.h"
#include "ProgressTypes.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class ProgressDatabase;
class SessionRecorder;

// What the main window's handlers tell the player's record, in their own terms: one call per
// event of the game, each doing nothing until the record is opened and when it is off. The
// record is opened when the player's name is confirmed, never before, so that the start of the
// program does not wait for it.
class LearningRecord {
public:
    // definitions: the region map's hotspot lines, which say which region holds which town.
    explicit LearningRecord(QStringList definitions);
    ~LearningRecord();
    LearningRecord(const LearningRecord&) = delete;
    LearningRecord& operator=(const LearningRecord&) = delete;

    void open(const QString& player, const QString& path);
    bool isOpen() const { return db != nullptr; }

    // What went wrong with the record, once; empty when nothing did or it was given already.
    QString takeProblem();
    // The same, as often as asked: for the progress views. Empty while the record works.
    QString problemText();

    // A session's start. endRunning comes first, before the new towns are drawn, so that the
    // selection of the new first town is not taken for a town of the old session.
    void endRunning(SessionEnd end);
    void sessionStarted(const SessionSettings& settings, const QStringList& towns);
    void townAsked(int position);
    void townFound(int position);
    void timeUp();

    // A click on the nation map's region (with its picture): wrong when that region's map does
    // not hold the town to find. point is in the nation picture's pixels.
    void regionClicked(const QString& region, const QString& regionPicture,
                       const QString& townToFind, QPoint point);
    // A town clicked on a region map that is not the town to find.
    void wrongTown(const QString& town, const QString& picture, QPoint point);

    // The towns of a practice session for this player.
    QStringList practiceTowns(const QStringList& towns, const std::vector<bool>& disliked,
                              int count) const;

    // For the progress views; none until the record is opened.
    ProgressDatabase* database() const { return db.get(); }
    const QString& player() const { return playerName; }
    qint64 lastSessionId() const;
    const QStringList& definitions() const { return lines; }
    const Geography& geography(); // the towns' places, read at the first use

private:
    void pullProblem();

    QStringList lines;
    QString playerName;
    std::unique_ptr<ProgressDatabase> db;
    std::unique_ptr<SessionRecorder> recorder;
    std::optional<Geography> places;
    QString problem;
    bool problemShown = false;
};

// Whether a region's picture shows a town: one of the definitions names the town on it.
bool RegionHoldsTown(const QStringList& definitions, const QString& regionPicture,
                     const QString& town);
