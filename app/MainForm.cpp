// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainForm.h"

#include "AccessibleCaption.h"
#include "ActiveForm.h"
#include "Catalogue.h"
#include "DefinitionResource.h"
#include "Entering.h"
#include "ErrorBox.h"
#include "FocusFrame.h"
#include "FormScaling.h"
#include "HImages.h"
#include "LearningRecord.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "PlayerSettings.h"
#include "ProgressBar.h"
#include "ProgressDatabase.h"
#include "ProgressWindow.h"
#include "QuizAdapters.h"
#include "QuizRandom.h"
#include "QuizState.h"
#include "RadioGroup.h"
#include "ShellOpen.h"
#include "SoundCues.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"
#include "Translations.h"
#include "UQuesiti.h"
#include "WavePlayer.h"
#include "ui_MainForm.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

std::uint32_t (*TMainForm::SeedClock)() = SeedFromClock;

namespace {
// The main window is a window to assistive technology, not a bare pane ("filler").
QAccessibleInterface* mainWindowFactory(const QString& key, QObject* object) {
    if (key == QLatin1String(TMainForm::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

TMainForm::TMainForm(QWidget* parent, std::unique_ptr<SoundDevice> soundDevice)
    : QWidget(parent), ui(new Ui::MainForm),
      sound(soundDevice ? std::move(soundDevice) : std::make_unique<WavePlayer>()) {
    static const bool accessible = [] {
        QAccessible::installFactory(mainWindowFactory);
        return true;
    }();
    (void)accessible;
    FocusFrame::install();
    ui->setupUi(this);
    PageControl = ui->PageControl;
    Nation = ui->Nation;
    Regions = ui->Regions;
    Questions = ui->Questions;
    NationHyperImages = ui->NationHyperImages;
    RegionsHyperImages = ui->RegionsHyperImages;
    FindTownsLabel = ui->FindTownsLabel;
    TownToFindLabel = ui->TownToFindLabel;
    AuthorLabel = ui->AuthorLabel;
    ThatTownIsLabel = ui->ThatTownIsLabel;
    HotSpotLabel = ui->HotSpotLabel;
    TimeLabel = ui->TimeLabel;
    QuestionLabel = ui->QuestionLabel;
    BonusLabel = ui->BonusLabel;
    TownsDontLikeLabel = ui->TownsDontLikeLabel;
    TimeTrackBar = ui->TimeTrackBar;
    TownsTrackBar = ui->TownsTrackBar;
    SoundCheckBox = ui->SoundCheckBox;
    SpinEdit = ui->SpinEdit;
    ListBox = ui->ListBox;
    StartButton = ui->StartButton;
    SaveButton = ui->SaveButton;
    HelpButton = ui->HelpButton;
    ColorButton = ui->ColorButton;
    ProgressBar = ui->ProgressBar;
    RadioGroup = ui->RadioGroup;
    PracticeCheckBox = ui->PracticeCheckBox;
    ProgressButton = ui->ProgressButton;
    Answering = AnswerViews(Nation, Regions, ProgressBar);
    UpdateAccessibleCaption(TownToFindLabel);
    UpdateAccessibleCaption(HotSpotLabel);
    // Tab reaches the maps. Given only now, so that the layout's tab order stays as it was.
    NationHyperImages->setFocusPolicy(Qt::TabFocus);
    RegionsHyperImages->setFocusPolicy(Qt::TabFocus);

    // The non-visual parts of the layout.
    Timer = new TTimer(this);
    Timer->setEnabled(false);
    Timer->setInterval(1500);
    MediaPlayer = sound.get();
    MediaPlayer->setFileName(QStringLiteral("Ring.wav"));

    setWindowColor(QColor(128, 128, 0)); // olive
    PageControl->setTabSize(150, 30);
    for (QWidget* page : {Nation, Regions, Questions})
        page->setAutoFillBackground(true);
    UsePixelFonts(this);

    // The maps' definitions come with the layout; their end of loading follows it.
    NationHyperImages->setHotspotsDef(
        ReadDefinitionLines(QStringLiteral(":/content/nation-hotspots.txt")));
    RegionsHyperImages->setHotspotsDef(
        ReadDefinitionLines(QStringLiteral(":/content/town-hotspots.txt")));
    // The built-in pictures' high-resolution variants, drawn where the maps are enlarged.
    NationHyperImages->setPictureVariant(QStringLiteral(":/content/Italia@4x.png"));
    RegionsHyperImages->setPictureVariant(QStringLiteral(":/content/Padania@4x.png"));
    NationHyperImages->Loaded();
    RegionsHyperImages->Loaded();
    Spellings = TownSpellings::readFile(QStringLiteral(":/content/towns.csv"));

    Record = std::make_unique<LearningRecord>(RegionsHyperImages->HotspotsDef());
    questions = std::make_unique<RadioGroupQuestions>(*RadioGroup, Spellings);
    towns = std::make_unique<ListBoxTowns>(*ListBox);
    cues = std::make_unique<TSoundCues>(*MediaPlayer);
    connectHandlers();
    ErrorBox::run([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::connectHandlers() {
    connect(PageControl, &TPageControl::OnChange, this,
            Guarded([this](QObject*) { PageControlChange(); }));
    connect(NationHyperImages, &TCustomHyperImages::OnImageMouseDown, this,
            Guarded([this](TCustomHyperImages*, Qt::MouseButton, Qt::KeyboardModifiers, int x,
                           int y) { NationHyperImagesImageMouseDown(x, y); }));
    connect(RegionsHyperImages, &TCustomHyperImages::OnImageMouseDown, this,
            Guarded([this](TCustomHyperImages*, Qt::MouseButton, Qt::KeyboardModifiers, int x,
                           int y) { RegionsHyperImagesImageMouseDown(x, y); }));
    connect(TimeTrackBar, &TTrackBar::OnChange, this,
            Guarded([this](QObject*) { TimeTrackBarChange(); }));
    connect(RadioGroup, &TRadioGroup::OnClick, this,
            Guarded([this](QObject*) { RadioGroupClick(); }));
    connect(StartButton, &QPushButton::clicked, this,
            Guarded([this](bool) { StartButtonClick(); }));
    connect(Timer, &TTimer::OnTimer, this, Guarded([this](QObject*) { TimerTimer(); }));
    connect(SaveButton, &QPushButton::clicked, this, Guarded([this](bool) { SaveButtonClick(); }));
    connect(HelpButton, &QPushButton::clicked, this, Guarded([this](bool) { HelpButtonClick(); }));
    connect(ColorButton, &QPushButton::clicked, this,
            Guarded([this](bool) { ColorButtonClick(); }));
    connect(ProgressButton, &QPushButton::clicked, this,
            Guarded([this](bool) { ProgressButtonClick(); }));
}

// Each step may raise; the steps after a failing one are skipped (the caller shows the error).
void TMainForm::FormCreate() {
    ProgramRandom.Randomize(SeedClock());
    NationHyperImages->setPicturesDir(QDir::currentPath() + QStringLiteral("/images"));
    RegionsHyperImages->setPicturesDir(QDir::currentPath() + QStringLiteral("/images"));
    FillList(RegionsHyperImages, ListBox);
    SpinEdit->setValue(QuestionCount);
    ScaleForm(this, ScaleForPrimaryScreen(this)); // within the screen's available area
    cues->Probe(); // the last step: when it fails, sound stays off for the run
    SoundAvailable = cues->SoundAvailable();
}

void TMainForm::FormClose() {
    Record->endRunning(SessionEnd::WindowClosed);
    if (Progress)
        Progress->close();
    if (NameDlg)
        NameDlg->close(); // the first window of the program: closing it ends the program
    QCoreApplication::quit();
}

void TMainForm::FillList(THyperImages* map, QListWidget* list) {
    list->clear();
    for (const QString& town : TownNames(map->HotspotsDef())) {
        auto* item = new QListWidgetItem(Spellings.shown(town), list);
        item->setData(TownNameRole, town);
        item->setSizeHint(QSize(0, 20));
    }
}

void TMainForm::ShowRegion(int index) {
    // The next page comes whatever the loading gives; its error is reported afterwards.
    try {
        RegionsHyperImages->LoadPicture(RegionPictures[std::size_t(index)]);
    } catch (...) {
        PageControl->SelectNextPage();
        throw;
    }
    PageControl->SelectNextPage();
}

void TMainForm::LoadSettings() {
    SettingsFile = std::make_unique<ProfileFile>(ProfileFile::defaultPath());
    const PlayerSettings s = readPlayerSettings(*SettingsFile, PlayerName, townList());
    for (int i = 0; i < ListBox->count(); ++i)
        ListBox->item(i)->setSelected(i < int(s.disliked.size()) && s.disliked[std::size_t(i)]);
    TimeTrackBar->setPosition(s.time);
    TownsTrackBar->setPosition(s.bonus);
    SpinEdit->setValue(s.questions);
    SoundCheckBox->setChecked(s.sound);
    PracticeCheckBox->setChecked(s.practice);
}

void TMainForm::SaveButtonClick() {
    if (!SettingsFile)
        SettingsFile = std::make_unique<ProfileFile>(ProfileFile::defaultPath());
    PlayerSettings s;
    for (int i = 0; i < ListBox->count(); ++i)
        s.disliked.push_back(ListBox->item(i)->isSelected());
    s.time = TimeTrackBar->Position();
    s.bonus = TownsTrackBar->Position();
    s.questions = SpinEdit->Value();
    s.sound = SoundCheckBox->isChecked();
    s.practice = PracticeCheckBox->isChecked();
    writePlayerSettings(*SettingsFile, PlayerName, townList(), s);
}

QStringList TMainForm::townList() const {
    QStringList towns;
    for (int i = 0; i < ListBox->count(); ++i)
        towns << TownOfItem(*ListBox->item(i));
    return towns;
}

std::vector<bool> TMainForm::dislikedTowns() const {
    std::vector<bool> disliked;
    for (int i = 0; i < ListBox->count(); ++i)
        disliked.push_back(ListBox->item(i)->isSelected());
    return disliked;
}

SessionSettings TMainForm::sessionSettings() const {
    SessionSettings s;
    s.intervalMs = TimeTrackBar->Position();
    s.questions = QuestionCount;
    s.bonus = TownsTrackBar->Position();
    s.sound = SoundCheckBox->isChecked();
    s.practice = PracticeCheckBox->isChecked();
    for (int i = 0; i < ListBox->count(); ++i)
        if (ListBox->item(i)->isSelected())
            s.disliked << ListBox->item(i)->text();
    return s;
}

void TMainForm::OpenRecord() {
    Record->open(PlayerName, ProgressDatabase::defaultPath());
    showRecordProblem();
}

// Said once, and only while no session runs: never a box in the middle of a session.
void TMainForm::showRecordProblem() {
    if (Session)
        return;
    const QString problem = Record->takeProblem();
    if (!problem.isEmpty())
        MessageBoxes::show(this, MessageKind::Warning, problem);
}

void TMainForm::ProgressButtonClick() {
    if (!Progress)
        Progress = new ProgressWindow(*Record, Spellings,
                                      QDir::currentPath() + QStringLiteral("/images"), this);
    Progress->showReview(Record->lastSessionId());
    Progress->show();
    Progress->raise();
    Progress->activateWindow();
}

void TMainForm::HelpButtonClick() {
    // The page in the desktop's language where there is one.
    ShellOpen::open(Translations::localisedPage(QDir::currentPath() + QStringLiteral("/images"),
                                                QStringLiteral("help.html")));
}

void TMainForm::ColorButtonClick() {
    if (ColorDialog.Execute(this))
        setWindowColor(ColorDialog.Color());
}

void TMainForm::setWindowColor(const QColor& color) {
    // The page control, its pages, the labels, the radio group, the check box and the sliders
    // take the window's colour; list and spin box keep their base colour, buttons theirs and
    // the maps their panel colour. Each is given it, so that none keeps an older colour.
    auto recolour = [&color](QWidget* w) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, color);
        w->setPalette(pal);
    };
    recolour(this);
    setAutoFillBackground(true);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->isWindow())
            continue;
        if (qobject_cast<QTabWidget*>(w) ||
            w->parentWidget() == PageControl->widget(0)->parentWidget() ||
            qobject_cast<QLabel*>(w) || qobject_cast<TRadioGroup*>(w) ||
            qobject_cast<QCheckBox*>(w) || qobject_cast<QSlider*>(w) ||
            qobject_cast<QRadioButton*>(w))
            recolour(w);
    }
}

QColor TMainForm::windowColor() const {
    return palette().color(QPalette::Window);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept(); // the window hides; nothing is saved
    ErrorBox::run([this] { FormClose(); });
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        QWidget* before = ActiveForm::activate(this);
        if (before && before != this)
            ErrorBox::run([this] { FormActivate(); });
    }
    return QWidget::event(event);
}
