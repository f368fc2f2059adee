// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game itself: the handlers that start a session, judge the clicks on the two maps, ask
// the next town and run the time bar.

#include "AccessibleCaption.h"
#include "Catalogue.h"
#include "ErrorBox.h"
#include "GameRules.h"
#include "HImages.h"
#include "HotspotMap.h"
#include "LearningRecord.h"
#include "MainForm.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "QuizAdapters.h"
#include "QuizState.h"
#include "RadioGroup.h"
#include "SoundCues.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"
#include "UQuesiti.h"

#include <QCheckBox>
#include <QLabel>

namespace {
void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize(); // labels size themselves to their text
    UpdateAccessibleCaption(label);
}

// A point on a map's paint area in the picture's own pixels.
QPoint picturePoint(const THyperImages* map, int x, int y) {
    return QPoint(int(toPicture(x, map->Scale())), int(toPicture(y, map->Scale())));
}
} // namespace

void TMainForm::StartButtonClick() {
    Timer->setEnabled(true);
    QuestionCount = SpinEdit->Value();
    RadioGroup->clear();
    ProgressBar->setPosition(ProgressBar->maximum());
    Timer->setInterval(TimeTrackBar->Position());
    // The new session replaces a running one; its creation asks the first town.
    Record->endRunning(SessionEnd::NewStart);
    Session =
        PracticeCheckBox->isChecked()
            ? std::make_unique<TSession>(
                  *questions, Record->practiceTowns(townList(), dislikedTowns(), QuestionCount))
            : std::make_unique<TSession>(*questions, *towns);
    Record->sessionStarted(sessionSettings(), RadioGroup->Items());
    showTownToFind(RadioGroup->item(RadioGroup->ItemIndex()));
    // During a session the maps name no place: finding it is the game.
    NationHyperImages->setNamesShown(false);
    RegionsHyperImages->setNamesShown(false);
    PageControl->setActivePage(Nation);
    NationHyperImages->setFocus(Qt::OtherFocusReason);
}

void TMainForm::NationHyperImagesImageMouseDown(int X, int Y) {
    QString name;
    if (!NationHyperImages->HotspotAt(X, Y, name))
        return;
    if (const auto index = RegionIndex(name)) {
        Record->regionClicked(name, RegionPictures[*index], TownToFind,
                              picturePoint(NationHyperImages, X, Y));
        ShowRegion(*index);
        RegionsHyperImages->setFocus(Qt::OtherFocusReason); // the town next, from the keyboard
    }
    // A hotspot of another name opens nothing.
}

void TMainForm::RegionsHyperImagesImageMouseDown(int X, int Y) {
    QString name;
    if (!RegionsHyperImages->HotspotAt(X, Y, name))
        return;
    setCaption(HotSpotLabel, Spellings.shown(name));
    switch (judgeAnswer(name, TownToFind)) {
    case Answer::Right:
        FoundFlag = true;
        PlaySound(Cues::Whistle);
        Record->townFound(RadioGroup->ItemIndex()); // found now, however long "Good! " stays
        // The timer keeps running while the message waits: the time may run out meanwhile.
        MessageBoxes::show(this, MessageKind::Information, tr("Good! "));
        if (Session)
            Session->MarkFound();
        ProgressBar->setPosition(
            TimeBar::afterRightAnswer(ProgressBar->Position(), TownsTrackBar->Position()));
        PageControl->setActivePage(Nation);
        NationHyperImages->setFocus(Qt::OtherFocusReason);
        PageControlChange();
        break;
    case Answer::Wrong:
        Record->wrongTown(name, RegionsHyperImages->PictureFilename(),
                          picturePoint(RegionsHyperImages, X, Y));
        PlaySound(Cues::Cough);
        ProgressBar->setPosition(
            TimeBar::afterWrongAnswer(ProgressBar->Position(), TownsTrackBar->Position()));
        break;
    case Answer::None:
        break;
    }
}

void TMainForm::PageControlChange() {
    if (!FoundFlag)
        return;
    setCaption(HotSpotLabel, QString());
    NewTown();
    FoundFlag = false;
}

void TMainForm::FormActivate() {
    if (!FoundFlag)
        return;
    NewTown();
    setCaption(HotSpotLabel, QString());
    FoundFlag = false;
}

void TMainForm::NewTown() {
    if (!Session)
        return;
    const QString town = Session->NextTown();
    showTownToFind(town);
    if (!town.isEmpty())
        return;
    PlaySound(Cues::Applause);
    Timer->setEnabled(false);
    MessageBoxes::show(this, MessageKind::Information, tr("Very good! You have found them all!"));
    Session.reset();
    NationHyperImages->setNamesShown(true);
    RegionsHyperImages->setNamesShown(true);
    showRecordProblem();
}

// The label and the answer views show the town's spelling; the judgement keeps its name.
void TMainForm::showTownToFind(const QString& town) {
    TownToFind = town;
    setCaption(TownToFindLabel, Spellings.shown(town));
    Answering.showTownToFind(Spellings.shown(town));
    NameTownToFind(NationHyperImages, Spellings.shown(town));
    NameTownToFind(RegionsHyperImages, Spellings.shown(town));
}

void TMainForm::RadioGroupClick() {
    showTownToFind(RadioGroup->item(RadioGroup->ItemIndex()));
    Record->townAsked(RadioGroup->ItemIndex());
    FoundFlag = false;
}

void TMainForm::TimerTimer() {
    // An error here is shown once this handler has returned: the timer does not fire while its
    // own handler runs, and the clock must keep going while the error box is open.
    ErrorBox::runReportingLater([this] {
        ProgressBar->setPosition(TimeBar::afterTimerStep(ProgressBar->Position()));
        if (TimeBar::isTimeUp(ProgressBar->Position())) {
            try {
                cues->PlayTimerSound(Cues::Moan, SoundCheckBox->isChecked());
            } catch (...) {
                Timer->setEnabled(false); // else every further event would fail the same way
                throw;
            }
            Timer->setEnabled(false);
            Record->timeUp();
            MessageBoxes::show(this, MessageKind::Error, tr("Time Up!"));
            return;
        }
        cues->Tick(SoundCheckBox->isChecked());
    });
}

void TMainForm::TimeTrackBarChange() {
    Timer->setInterval(TimeTrackBar->Position());
}

void TMainForm::PlaySound(const QString& fileName) {
    cues->PlaySound(fileName, SoundCheckBox->isChecked());
}
