// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnswerViews.h"
#include "ColorChooser.h"
#include "ProfileFile.h"
#include "SoundDevice.h"
#include "TownSpellings.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class MainForm;
}
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

class LearningRecord;
class ProgressWindow;
struct SessionSettings;
class TCustomHyperImages;
class THyperImages;
class TOKBottomDlg;
class TPageControl;
class TProgressBar;
class TRadioGroup;
class TSpinEdit;
class TTimer;
class TTrackBar;

// The main window: the three pages of the game and the handlers that bind the quiz to them.
class RadioGroupQuestions;
class ListBoxTowns;
class TSession;
class TSoundCues;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // sound: the wave player; the window makes its own when none is given.
    explicit TMainForm(QWidget* parent = nullptr, std::unique_ptr<SoundDevice> sound = {});
    ~TMainForm() override;

    // Lifecycle.
    void FormCreate();
    void FormActivate();
    void FormClose();

    // The game.
    void StartButtonClick();
    void NationHyperImagesImageMouseDown(int X, int Y);
    void RegionsHyperImagesImageMouseDown(int X, int Y);
    void PageControlChange();
    void RadioGroupClick();
    void TimerTimer();
    void TimeTrackBarChange();
    void NewTown();
    void PlaySound(const QString& fileName);

    // The catalogue.
    void FillList(THyperImages* map, QListWidget* list);
    void ShowRegion(int index);

    // Settings.
    void LoadSettings();
    void SaveButtonClick();

    // Utility buttons.
    void HelpButtonClick();
    void ColorButtonClick();

    // The player's record: opened once the name is confirmed; the progress window.
    void OpenRecord();
    void ProgressButtonClick();

    // Controls, by their layout names.
    TPageControl* PageControl;
    QWidget* Nation;
    QWidget* Regions;
    QWidget* Questions;
    THyperImages* NationHyperImages;
    THyperImages* RegionsHyperImages;
    QLabel* FindTownsLabel;
    QLabel* TownToFindLabel;
    QLabel* AuthorLabel;
    QLabel* ThatTownIsLabel;
    QLabel* HotSpotLabel;
    QLabel* TimeLabel;
    QLabel* QuestionLabel;
    QLabel* BonusLabel;
    QLabel* TownsDontLikeLabel;
    TTrackBar* TimeTrackBar;
    TTrackBar* TownsTrackBar;
    QCheckBox* SoundCheckBox;
    TSpinEdit* SpinEdit;
    QListWidget* ListBox;
    QPushButton* StartButton;
    QPushButton* SaveButton;
    QPushButton* HelpButton;
    QPushButton* ColorButton;
    QCheckBox* PracticeCheckBox;
    QPushButton* ProgressButton;
    TProgressBar* ProgressBar;
    TRadioGroup* RadioGroup;
    TTimer* Timer;
    SoundDevice* MediaPlayer;
    TColorDialog ColorDialog;

    // The time of day that creation seeds the generator from (UTC milliseconds since
    // midnight); tests fix it so that their draws do not depend on the hour they run at.
    static std::uint32_t (*SeedClock)();

    TOKBottomDlg* NameDlg = nullptr;
    bool SoundAvailable = false;

    // The running quiz session, if any, and whether a found town waits for the next one.
    std::unique_ptr<TSession> Session;
    bool FoundFlag = false;

    // The town asked, by its name in the definitions; its label shows its spelling.
    QString TownToFind;
    TownSpellings Spellings;

    QColor windowColor() const;

    // The record of the player's sessions, the window that shows it, and the time and town
    // in sight on the map pages.
    std::unique_ptr<LearningRecord> Record;
    ProgressWindow* Progress = nullptr;
    AnswerViews Answering;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void connectHandlers();
    void setWindowColor(const QColor& color);
    void showTownToFind(const QString& town);
    QStringList townList() const;
    std::vector<bool> dislikedTowns() const;
    SessionSettings sessionSettings() const;
    void showRecordProblem();

    std::unique_ptr<Ui::MainForm> ui;
    std::unique_ptr<SoundDevice> sound;
    std::unique_ptr<ProfileFile> SettingsFile;
    std::unique_ptr<RadioGroupQuestions> questions;
    std::unique_ptr<ListBoxTowns> towns;
    std::unique_ptr<TSoundCues> cues;
};
