// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "ClassPage.h"
#include "LearningRecord.h"
#include "ProgressDatabase.h"
#include "ProgressPage.h"
#include "ReviewPage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(LearningRecord& rec, const TownSpellings& spellings,
                               const QString& picturesDir, QWidget* parent)
    : QWidget(parent, Qt::Window), record(rec), spellings(spellings) {
    setWindowTitle(tr("Terrava: progress"));
    setAccessibleName(tr("Progress"));
    Tabs = new QTabWidget(this);
    Tabs->setAccessibleName(tr("Review, progress and class"));
    Review = new ReviewPage(record, spellings, picturesDir, Tabs);
    Progress = new ProgressPage(record, spellings, picturesDir, Tabs);
    Class = new ClassPage(record, Tabs);
    Tabs->addTab(Review, tr("Review"));
    Tabs->addTab(Progress, tr("Progress"));
    Tabs->addTab(Class, tr("Class"));
    RecordState = new QLabel(this);
    RecordState->setWordWrap(true);
    RecordState->setAccessibleName(tr("State of the record"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RecordState);
    layout->addWidget(Tabs, 1);
    // Most of the screen, as the game's own window takes all of it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize area = screen->availableGeometry().size();
        resize(area.width() * 9 / 10, area.height() * 9 / 10);
    }
}

void ProgressWindow::showReview(qint64 sessionId) {
    record.takeProblem(); // said here, it needs no box of its own later
    const QString problem = record.problemText();
    RecordState->setText(problem.isEmpty() ? QString()
                                           : tr("Nothing is being recorded: %1").arg(problem));
    RecordState->setVisible(!problem.isEmpty());
    Review->showSession(sessionId);
    Progress->refresh();
    Class->refresh();
    Tabs->setCurrentWidget(Review);
}
