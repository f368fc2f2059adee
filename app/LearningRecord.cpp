// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningRecord.h"

#include "Catalogue.h"
#include "PracticeDraw.h"
#include "ProgressDatabase.h"
#include "SessionRecorder.h"

#include <QRandomGenerator>

bool RegionHoldsTown(const QStringList& definitions, const QString& regionPicture,
                     const QString& town) {
    for (const QString& line : definitions)
        if (line.section(QLatin1Char('/'), 0, 0) == regionPicture && NameOfDefinition(line) == town)
            return true;
    return false;
}

LearningRecord::LearningRecord(QStringList definitions) : lines(std::move(definitions)) {}

LearningRecord::~LearningRecord() {
    recorder.reset(); // ends a running session as "window closed" while the file is open
}

void LearningRecord::open(const QString& player, const QString& path) {
    playerName = player;
    recorder.reset();
    db = std::make_unique<ProgressDatabase>(path);
    recorder = std::make_unique<SessionRecorder>(*db, player);
}

void LearningRecord::pullProblem() {
    if (db && db->hasProblem()) {
        problem = db->takeProblem();
        problemShown = false;
    }
}

QString LearningRecord::takeProblem() {
    pullProblem();
    if (problemShown)
        return {};
    problemShown = true;
    return problem;
}

QString LearningRecord::problemText() {
    pullProblem();
    return problem;
}

void LearningRecord::endRunning(SessionEnd end) {
    if (recorder)
        recorder->sessionEnded(end);
}

void LearningRecord::sessionStarted(const SessionSettings& settings, const QStringList& towns) {
    if (recorder)
        recorder->sessionStarted(settings, towns);
}

void LearningRecord::townAsked(int position) {
    if (recorder)
        recorder->townAsked(position);
}

void LearningRecord::townFound(int position) {
    if (recorder)
        recorder->townFound(position);
}

void LearningRecord::timeUp() {
    if (recorder)
        recorder->timeUp();
}

void LearningRecord::regionClicked(const QString& region, const QString& regionPicture,
                                   const QString& townToFind, QPoint point) {
    if (!recorder || townToFind.isEmpty() || RegionHoldsTown(lines, regionPicture, townToFind))
        return;
    recorder->wrongClick({WrongClick::Kind::Region, region, QStringLiteral("Italia.bmp"), point});
}

void LearningRecord::wrongTown(const QString& town, const QString& picture, QPoint point) {
    if (recorder)
        recorder->wrongClick({WrongClick::Kind::Town, town, picture, point});
}

QStringList LearningRecord::practiceTowns(const QStringList& towns,
                                          const std::vector<bool>& disliked, int count) const {
    // Its own generator: the rules' generator keeps the sequence of its draws.
    const std::uint32_t seed = QRandomGenerator::global()->generate();
    if (!db) { // no player yet: every town is new
        QList<TownKnowledge> fresh;
        for (const QString& town : towns) {
            fresh.append(TownKnowledge());
            fresh.back().town = town;
        }
        return ::practiceTowns(fresh, disliked, count, seed);
    }
    return ::practiceTowns(*db, playerName, towns, disliked, count, seed);
}

qint64 LearningRecord::lastSessionId() const {
    return recorder ? recorder->lastSessionId() : 0;
}

const Geography& LearningRecord::geography() {
    if (!places) {
        QString error;
        places = Geography::load(QStringLiteral(":/content/towns.csv"),
                                 QStringLiteral(":/content/projections.csv"), &error);
    }
    return *places;
}
