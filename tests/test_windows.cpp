// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogue.h"
#include "Entering.h"
#include "Error.h"
#include "FormScaling.h"
#include "HImages.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "QuizRandom.h"
#include "RadioGroup.h"
#include "ShellOpen.h"
#include "SoundDevice.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"
#include "UQuesiti.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* target, QEvent::Type type, int& count)
        : target(target), type(type), count(count) {
        target->installEventFilter(this);
    }
    ~EventCounter() override { target->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type)
            ++count;
        return false;
    }

private:
    QObject* target;
    QEvent::Type type;
    int& count;
};

void clickMap(THyperImages* map, QPoint at) {
    QTest::mouseClick(map->PaintArea(), Qt::LeftButton, {}, at);
}

// The clock that window creation seeds the generator from, fixed for the whole test.
constexpr std::uint32_t FixedSeed = 12345;

void writeSettings(const QByteArray& text) {
    QFile file(ProfileFile::defaultPath());
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readSettings() {
    QFile file(ProfileFile::defaultPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A property of a control as the layout gives it, and a few that are not properties.
QVariant layoutValue(QWidget* w, const QString& property) {
    if (property == "tabs") {
        auto* pages = qobject_cast<QTabWidget*>(w);
        QStringList tabs;
        for (int i = 0; i < pages->count(); ++i)
            tabs << pages->widget(i)->objectName() + "=" + pages->tabText(i);
        return tabs.join(',');
    }
    if (property == "pixelSize")
        return w->font().pixelSize();
    return w->property(qPrintable(property));
}

} // namespace

class WindowsTest : public QObject, WindowFixture {
    Q_OBJECT
    std::unique_ptr<TMainForm> form;
    QHash<QString, QPoint> nationPoints;

    void showForm(bool soundFails = false) {
        form = makeForm(soundFails);
        QVERIFY(shown(form.get()));
    }

    // Plays the right answer for the town asked: its region on the nation map, then the town.
    void findAskedTown() {
        const QString town = form->TownToFind;
        const QStringList lines = form->RegionsHyperImages->HotspotsDef();
        for (const QString& line : lines) {
            if (NameOfDefinition(line) != town)
                continue;
            const QString region = line.section('/', 0, 0).section('.', 0, 0);
            if (!nationPoints.contains(region))
                continue;
            form->PageControl->setActivePage(form->Nation);
            clickMap(form->NationHyperImages, nationPoints[region]);
            QCOMPARE(form->PageControl->ActivePage(), form->Regions);
            const QHash<QString, QPoint> towns = clickablePoints(form->RegionsHyperImages);
            if (!towns.contains(town))
                continue; // hidden on this picture: try its other one
            clickMap(form->RegionsHyperImages, towns[town]);
            return;
        }
        QFAIL(qPrintable("no clickable place for " + town));
    }

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());
        TMainForm::SeedClock = [] { return FixedSeed; };
    }

    void init() {
        showForm();
        nationPoints = clickablePoints(form->NationHyperImages);
    }
    void cleanup() { form.reset(); }

    void layoutAndCreation() {
        QCOMPARE(form->windowTitle(), QString("Terrava by Velimor"));
        QCOMPARE(form->PageControl->ActivePage(), form->Regions);
        QCOMPARE(form->NationHyperImages->Scale(), 60);
        QCOMPARE(form->RegionsHyperImages->Scale(), 81);
        QCOMPARE(form->RegionsHyperImages->PaintArea()->geometry(), QRect(1, 5, 775, 527));
        QCOMPARE(form->NationHyperImages->PicturesDir(), QDir::currentPath() + "/images/");
        QCOMPARE(form->RegionsHyperImages->PicturesDir(), QDir::currentPath() + "/images/");
        QCOMPARE(form->SpinEdit->Value(), 5); // the layout's 6 is never seen
        QCOMPARE(form->HotSpotLabel->text(), QString("Unknown"));
        QCOMPARE(form->ProgressBar->Position(), 100);
        QVERIFY(!form->Timer->Enabled());
        QCOMPARE(form->Timer->Interval(), 1500);
        QCOMPARE(form->TimeTrackBar->Position(), 1500);
        QCOMPARE(form->TownsTrackBar->Position(), 2);
        QCOMPARE(form->MediaPlayer->fileName(), QString("Whistle.wav")); // Ring.wav never opened
        QCOMPARE(player->opened, QStringList{"Whistle.wav"});
        QVERIFY(form->SoundAvailable);
        QCOMPARE(form->windowColor(), QColor(128, 128, 0));
        QCOMPARE(nationPoints.size(), 5);
    }

    // The layout as the game loads it, against its design tables. Labels size themselves to
    // their text, so only their corner is given.
    void layoutAsDesigned_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char* control, const char* property, const QVariant& expected) {
            QTest::addRow("%s %s", control, property) << control << property << expected;
        };
        row("PageControl", "geometry", QRect(-8, 0, 817, 553));
        row("PageControl", "tabs", "Nation=Nation,Regions=Regions,Questions=Questions");
        row("PageControl", "pixelSize", 16);
        row("FindTownsLabel", "pos", QPoint(480, 128));
        row("FindTownsLabel", "text", "Find the following town on the map");
        row("FindTownsLabel", "pixelSize", 13);
        row("TownToFindLabel", "pos", QPoint(488, 192));
        row("TownToFindLabel", "pixelSize", 32);
        row("AuthorLabel", "pos", QPoint(560, 448));
        row("AuthorLabel", "text", "by Velimor");
        row("NationHyperImages", "geometry", QRect(16, 16, 337, 377));
        row("ThatTownIsLabel", "pos", QPoint(40, 480));
        row("ThatTownIsLabel", "text", "That town is ");
        row("HotSpotLabel", "pos", QPoint(680, 480));
        row("RegionsHyperImages", "geometry", QRect(16, -64, 777, 537));
        row("TimeLabel", "pos", QPoint(536, 88));
        row("TimeLabel", "text", "Available Time");
        row("QuestionLabel", "pos", QPoint(536, 128));
        row("QuestionLabel", "text", "Questions per Session");
        row("BonusLabel", "pos", QPoint(536, 176));
        row("BonusLabel", "text", "Bonus / Penalty");
        row("TownsDontLikeLabel", "pos", QPoint(416, 472));
        row("TownsDontLikeLabel", "text", "Choose towns you don't like");
        row("TownsDontLikeLabel", "pixelSize", 11);
        row("TimeTrackBar", "geometry", QRect(400, 80, 121, 33));
        row("TimeTrackBar", "Min", 10);
        row("TimeTrackBar", "Max", 5010);
        row("TimeTrackBar", "PageSize", 100);
        row("TimeTrackBar", "LineSize", 1);
        row("TimeTrackBar", "Frequency", 500);
        row("SoundCheckBox", "geometry", QRect(416, 40, 97, 17));
        row("SoundCheckBox", "text", "Sound");
        row("SoundCheckBox", "checked", true);
        row("SpinEdit", "geometry", QRect(408, 120, 97, 30));
        row("SpinEdit", "MinValue", 1);
        row("SpinEdit", "MaxValue", 30);
        row("SpinEdit", "Increment", 1);
        row("TownsTrackBar", "geometry", QRect(400, 168, 113, 25));
        row("TownsTrackBar", "Min", 0);
        row("TownsTrackBar", "Max", 10);
        row("TownsTrackBar", "PageSize", 2);
        row("TownsTrackBar", "Frequency", 2);
        row("ListBox", "geometry", QRect(376, 224, 257, 241));
        row("ListBox", "selectionMode", QVariant::fromValue(QAbstractItemView::ExtendedSelection));
        row("StartButton", "geometry", QRect(656, 224, 89, 25));
        row("StartButton", "text", "Start");
        row("SaveButton", "geometry", QRect(656, 280, 89, 25));
        row("SaveButton", "text", "Save");
        row("HelpButton", "geometry", QRect(656, 336, 91, 25));
        row("HelpButton", "text", "Help");
        row("ProgressBar", "geometry", QRect(464, 488, 297, 25));
        row("ProgressBar", "minimum", 0);
        row("ProgressBar", "maximum", 100);
        row("RadioGroup", "geometry", QRect(8, -3, 345, 524));
        row("RadioGroup", "title", "Towns");
        row("ColorButton", "geometry", QRect(656, 392, 97, 25));
        row("ColorButton", "text", "Color");
        // The name dialog.
        row("OKBottomDlg", "windowTitle", "Terrava by Velimor");
        row("OKBottomDlg", "size", QSize(313, 213));
        row("Bevel1", "geometry", QRect(8, 8, 297, 161));
        row("Label1", "pos", QPoint(96, 56));
        row("Label1", "text", "Insert your name");
        row("Label1", "pixelSize", 16);
        row("OKBtn", "geometry", QRect(79, 180, 75, 25));
        row("OKBtn", "text", "OK");
        row("CancelBtn", "geometry", QRect(159, 180, 75, 25));
        row("CancelBtn", "text", "Cancel");
        row("Edit", "geometry", QRect(48, 112, 217, 21));
    }
    void layoutAsDesigned() {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        TOKBottomDlg dialog;
        QWidget* w = dialog.objectName() == control ? &dialog : form->findChild<QWidget*>(control);
        if (!w)
            w = dialog.findChild<QWidget*>(control);
        QVERIFY2(w, qPrintable("no control " + control));
        const QVariant actual = layoutValue(w, property);
        QVERIFY2(actual == expected, qPrintable(QDebug::toString(actual)));
    }

    void townListHas130TownsInCatalogueOrder() {
        QListWidget* list = form->ListBox;
        QCOMPARE(list->count(), 130);
        const QStringList first{"Bari", "Caserta", "Lecce", "Messina", "Napoli", "Palermo"};
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(list->item(i)->text(), first[i]);
        QCOMPARE(list->item(129)->text(), QString("Catania"));
        QCOMPARE(list->item(128)->text(), QString("Sassari"));
        QCOMPARE(list->item(127)->text(), QString("Cagliari"));
        QCOMPARE(list->findItems("Firenze", Qt::MatchExactly).size(), 1);
    }

    void catalogueNamesAndIndexes() {
        QCOMPARE(RegionIndex("Padania"), std::optional<TRegionIndex>(0));
        QCOMPARE(RegionIndex("Sardegna"), std::optional<TRegionIndex>(4));
        QVERIFY(!RegionIndex("padania"));
        QVERIFY(!RegionIndex("Padania "));
        QCOMPARE(NameOfDefinition("Sicilia.bmp/Catania=-3;368,158;384,186;"), QString("Catania"));
        QCOMPARE(NameOfDefinition("Catania=-3;368,158;384,186;"), QString("Catania"));
        QCOMPARE(NameOfDefinition("Sicilia.bmp/Catania"), QString());
        QCOMPARE(TownNames({"E.bmp/Firenze=1;", "P.bmp/firenze=1;", "P.bmp/Zeta=1;"}),
                 (QStringList{"Firenze", "Zeta"}));
    }

    void nationClickOpensTheRegionOnTheNextTab() {
        QSignalSpy changes(form->PageControl, &TPageControl::OnChange);
        form->PageControl->setActivePage(form->Nation);
        clickMap(form->NationHyperImages, nationPoints["Ausonia"]);
        QCOMPARE(form->RegionsHyperImages->PictureFilename(), QString("Ausonia.bmp"));
        QCOMPARE(form->PageControl->ActivePage(), form->Regions);
        QCOMPARE(changes.size(), 1);
        // The open sea belongs to no region.
        form->PageControl->setActivePage(form->Nation);
        clickMap(form->NationHyperImages, QPoint(2, 300));
        QCOMPARE(form->PageControl->ActivePage(), form->Nation);
        QCOMPARE(changes.size(), 1);
    }

    void missingRegionPictureIsReportedAndTheTabStillChanges() {
        MessageLog boxes;
        form->RegionsHyperImages->setPicturesDir(QDir::tempPath() + "/no-such-folder");
        form->PageControl->setActivePage(form->Nation);
        form->ShowRegion(3);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].text.startsWith("File Sicilia.bmp not found."));
        QCOMPARE(form->PageControl->ActivePage(), form->Regions);
    }

    void creationSeedsTheGeneratorFromTheClock() {
        form.reset();
        ProgramRandom.Randomize(1);
        showForm();
        QCOMPARE(ProgramRandom.RandSeed, FixedSeed);
    }

    void startDrawsASessionAndAsksItsFirstTown() {
        // The player's pace and disliked towns (every other one), set as their settings do.
        for (int i = 0; i < form->ListBox->count(); i += 2)
            form->ListBox->item(i)->setSelected(true);
        form->TimeTrackBar->setPosition(900);
        form->SpinEdit->setValue(30);
        form->StartButton->click();
        QVERIFY(form->Timer->Enabled());
        QCOMPARE(form->Timer->Interval(), 900);
        QCOMPARE(form->RadioGroup->count(), 30);
        for (const QString& town : form->RadioGroup->Items())
            QVERIFY2(!form->ListBox->findItems(town, Qt::MatchExactly)[0]->isSelected(),
                     qPrintable(town + " is disliked"));
        QCOMPARE(form->RadioGroup->ItemIndex(), 0);
        QCOMPARE(form->TownToFind, form->RadioGroup->item(0));
        QCOMPARE(form->PageControl->ActivePage(), form->Nation);
        QCOMPARE(form->ProgressBar->Position(), 100);
        // Start during a session: a new draw, a full bar.
        form->ProgressBar->setPosition(40);
        form->SpinEdit->setValue(7);
        form->StartButton->click();
        QCOMPARE(form->RadioGroup->count(), 7);
        QCOMPARE(form->ProgressBar->Position(), 100);
    }

    void wrongAnswersCostThePenaltyRightOnesHalfTheBonus() {
        MessageLog boxes;
        form->StartButton->click();
        form->TownsTrackBar->setPosition(5);
        form->ProgressBar->setPosition(50);
        const QString asked = form->TownToFindLabel->text();
        // Some other town of Padania, clicked: a cough and the full penalty.
        form->RegionsHyperImages->LoadPicture("Padania.bmp");
        const QHash<QString, QPoint> towns = clickablePoints(form->RegionsHyperImages);
        QString other = towns.keys().first() == asked ? towns.keys().last() : towns.keys().first();
        clickMap(form->RegionsHyperImages, towns[other]);
        QCOMPARE(form->HotSpotLabel->text(), other);
        QCOMPARE(form->ProgressBar->Position(), 45);
        QCOMPARE(player->opened.last(), QString("Cough2.wav"));
        QCOMPARE(form->TownToFindLabel->text(), asked);
        // The bar never goes below 0 on a penalty.
        form->ProgressBar->setPosition(3);
        clickMap(form->RegionsHyperImages, towns[other]);
        QCOMPARE(form->ProgressBar->Position(), 0);
        // Right: whistle, "Good! ", half the bonus (5 div 2), the next town.
        form->ProgressBar->setPosition(99);
        findAskedTown();
        QCOMPARE(boxes.texts(), QStringList{"Good! "});
        QCOMPARE(boxes.shown[0].caption, QString("Information"));
        QCOMPARE(form->ProgressBar->Position(), 100);
        QVERIFY(!form->RadioGroup->itemEnabled(0));
        QCOMPARE(form->RadioGroup->ItemIndex(), 1);
        QCOMPARE(form->TownToFind, form->RadioGroup->item(1));
        QCOMPARE(form->HotSpotLabel->text(), QString());
        QCOMPARE(form->PageControl->ActivePage(), form->Nation);
        QVERIFY(!form->FoundFlag);
    }

    void townClickedWithoutASessionCostsThePenalty() {
        const QHash<QString, QPoint> towns = clickablePoints(form->RegionsHyperImages);
        clickMap(form->RegionsHyperImages, towns.begin().value());
        QCOMPARE(form->ProgressBar->Position(), 98);
        QCOMPARE(player->opened.last(), QString("Cough2.wav"));
    }

    void failedWhistleLeavesTheFoundTownForTheNextTabChange() {
        MessageLog boxes;
        form->StartButton->click();
        player->failing = true;
        findAskedTown();
        player->failing = false;
        QCOMPARE(boxes.texts(),
                 QStringList{"Cannot play sound file \"Whistle.wav\": no audio output device."});
        QCOMPARE(form->PageControl->ActivePage(), form->Regions);
        QCOMPARE(form->ProgressBar->Position(), 100);
        form->PageControl->SelectNextPage();       // as the player changes the tab
        QVERIFY(form->RadioGroup->itemEnabled(0)); // never marked: it stays open
        QCOMPARE(form->TownToFind, form->RadioGroup->item(1));
        QVERIFY(!form->FoundFlag);
    }

    void aWholeSessionPlayedToTheEnd() {
        MessageLog boxes;
        form->SpinEdit->setValue(5);
        form->StartButton->click();
        for (int i = 0; i < 5; ++i)
            findAskedTown();
        QCOMPARE(boxes.texts(), (QStringList{"Good! ", "Good! ", "Good! ", "Good! ", "Good! ",
                                             "Very good! You have found them all!"}));
        QCOMPARE(player->opened.last(), QString("Applaude.wav"));
        QVERIFY(!form->Timer->Enabled());
        QVERIFY(!form->Session);
        QCOMPARE(form->TownToFindLabel->text(), QString());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!form->RadioGroup->itemEnabled(i));
    }

    void timeRunsOutWhileGoodIsOpen() {
        MessageLog boxes;
        form->StartButton->click();
        form->ProgressBar->setPosition(1);
        form->TownsTrackBar->setPosition(4);
        const QString first = form->TownToFindLabel->text();
        // The timer keeps running inside the wait of "Good! ".
        boxes.onShow = [this](const MessageRequest& r) {
            if (r.text == "Good! ")
                form->TimerTimer();
        };
        findAskedTown();
        QCOMPARE(boxes.texts(), (QStringList{"Good! ", "Time Up!"}));
        QCOMPARE(boxes.shown[1].kind, MessageKind::Error);
        QCOMPARE(boxes.shown[1].caption, QString("Error"));
        QVERIFY(!form->Timer->Enabled());
        QVERIFY(!form->RadioGroup->itemEnabled(0)); // the town is marked after both closed
        QCOMPARE(form->ProgressBar->Position(), 2); // 0 plus the bonus of 4 div 2
        QVERIFY(form->TownToFindLabel->text() != first);
        QVERIFY(!form->Timer->Enabled());
    }

    void timerDrainsAndStopsAtZero() {
        MessageLog boxes;
        form->StartButton->click();
        form->ProgressBar->setPosition(2);
        form->TimerTimer();
        QCOMPARE(form->ProgressBar->Position(), 1);
        QVERIFY(boxes.shown.isEmpty());
        form->TimerTimer();
        QCOMPARE(boxes.texts(), QStringList{"Time Up!"});
        QVERIFY(!form->Timer->Enabled());
        QCOMPARE(player->opened.last(), QString("Moan.wav"));
    }

    void choosingAnotherTownChangesTheQuestion() {
        form->StartButton->click();
        form->RadioGroup->setItemIndex(3);
        QCOMPARE(form->TownToFind, form->RadioGroup->item(3));
        form->TimeTrackBar->setFocus();
        QTest::keyClick(form->TimeTrackBar, Qt::Key_PageUp);
        QCOMPARE(form->Timer->Interval(), 1600); // the pace changes at once
    }

    void scalingToTheScreen() {
        QCOMPARE(ScaleForScreen(800, 600).M, 693);
        QCOMPARE(ScaleForScreen(800, 600).D, 693);
        QCOMPARE(ScaleForScreen(640, 480).M, 554);
        QCOMPARE(ScaleForScreen(1024, 768).M, 887);
        QCOMPARE(ScaleForScreen(1280, 1024).M, 1145);
        QCOMPARE(ScaleForScreen(1600, 1200).M, 1386);
        const ScreenScale s = ScaleForScreen(1024, 768);
        QCOMPARE(ScaleRect(QRect(16, 16, 337, 377), s), QRect(20, 20, 432, 483));
        // Neighbours stay flush: the right edge of one is the left of the next.
        for (int left = 0; left < 30; ++left)
            for (int width = 1; width < 30; ++width)
                QCOMPARE(ScaleRect(QRect(left, 0, width, 1), s).right() + 1,
                         ScaleRect(QRect(left + width, 0, 1, 1), s).left());

        form->move(30, 40);
        const QPoint topLeft = form->pos();
        const QSize tab = form->PageControl->tabBar()->tabRect(0).size();
        ScaleForm(form.get(), s);
        // The tabs grow with the rest: 150 x 30 becomes 192 x 38.
        QCOMPARE(form->PageControl->tabBar()->tabRect(0).size() - tab, QSize(42, 8));
        QCOMPARE(form->size(), QSize(1029, 705));
        QCOMPARE(form->pos(), topLeft);
        QCOMPARE(form->NationHyperImages->geometry(), QRect(20, 20, 432, 483));
        form->PageControl->setActivePage(form->Nation); // a hidden page lays out when shown
        QCOMPARE(form->NationHyperImages->Scale(), 77); // refitted to its new size
        QVERIFY(form->TownToFindLabel->font().pixelSize() > 32);
    }

    void helpOpensThePageInTheWorkingFolder() {
        QString opened;
        ShellOpen::setHandler([&](const QString& path) { opened = path; });
        form->HelpButton->click();
        ShellOpen::setHandler({});
        QCOMPARE(opened, QDir::currentPath() + "/images/help.html");
    }

    void settingsRoundTripThroughTheWindows() {
        QFile::remove(ProfileFile::defaultPath());
        PlayerName = "Round Trip";
        form->LoadSettings(); // a new player: the defaults, sound off, five towns
        QVERIFY(!form->SoundCheckBox->isChecked());
        QCOMPARE(form->SpinEdit->Value(), 5);
        QVERIFY(!QFile::exists(ProfileFile::defaultPath()));
        form->ListBox->item(3)->setSelected(true);
        form->TimeTrackBar->setPosition(900);
        form->TownsTrackBar->setPosition(7);
        form->SpinEdit->setValue(12);
        form->SoundCheckBox->setChecked(true);
        form->SaveButton->click();

        form.reset();
        showForm();
        PlayerName = "ROUND TRIP"; // names match without regard to case
        form->LoadSettings();
        QVERIFY(form->ListBox->item(3)->isSelected());
        QVERIFY(!form->ListBox->item(4)->isSelected());
        QCOMPARE(form->TimeTrackBar->Position(), 900);
        QCOMPARE(form->TownsTrackBar->Position(), 7);
        QCOMPARE(form->SpinEdit->Value(), 12);
        QVERIFY(form->SoundCheckBox->isChecked());
        QFile::remove(ProfileFile::defaultPath());
    }

    void nameDialogOpensCentredOnTheOfferedName() {
        TOKBottomDlg dialog;
        dialog.show();
        dialog.activateWindow(); // no window manager may do it
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Centred, give or take the frame that a window manager puts around it.
        const QSize frame = (dialog.frameGeometry().size() - dialog.size()) / 2;
        const QPoint off = dialog.geometry().center() - dialog.screen()->geometry().center();
        QVERIFY2(qAbs(off.x()) <= frame.width() + 1 && qAbs(off.y()) <= frame.height() + 1,
                 qPrintable(QString("off the centre by %1, %2").arg(off.x()).arg(off.y())));
        QVERIFY(dialog.Edit->hasFocus());
        QCOMPARE(dialog.Edit->selectedText(), QString("Easy")); // typing replaces it
    }

    void nameDialogEndsTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("close box") << "close box";
    }
    void nameDialogEndsTheProgram() {
        QFETCH(QString, how);
        QFile::remove(ProfileFile::defaultPath());
        TOKBottomDlg dialog;
        dialog.setMainForm(form.get());
        form->hide();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTimer::singleShot(0, &dialog, [&] {
            if (how == "Cancel")
                dialog.CancelBtn->click();
            else if (how == "Escape")
                QTest::keyClick(dialog.Edit, Qt::Key_Escape);
            else
                dialog.close();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // a safety net only
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!form->isVisible());
        QVERIFY(!QFile::exists(ProfileFile::defaultPath()));
    }

    void okHandsOverToTheMainWindow() {
        const QByteArray saved = "[Ada]\nBari=1\nTime=900\nBonus=7\nNumquesiti=12\nSound=0\n";
        writeSettings(saved);
        TOKBottomDlg dialog;
        dialog.setMainForm(form.get());
        form->hide();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(dialog.Edit, "Ada");
        QTest::keyClick(dialog.Edit, Qt::Key_Return);
        QCOMPARE(PlayerName, QString("Ada"));
        QVERIFY(form->isVisible());
        QVERIFY(form->windowState() & Qt::WindowMaximized);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(form->NameDlg, &dialog);
        // Ada's settings, loaded into the controls.
        QVERIFY(form->ListBox->item(0)->isSelected());
        QCOMPARE(form->TimeTrackBar->Position(), 900);
        QCOMPARE(form->TownsTrackBar->Position(), 7);
        QCOMPARE(form->SpinEdit->Value(), 12);
        QVERIFY(!form->SoundCheckBox->isChecked());
        // Closing the main window ends the program and saves nothing.
        form->TimeTrackBar->setPosition(2000);
        QTimer::singleShot(0, form.get(), [&] { form->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(readSettings(), saved);
        QFile::remove(ProfileFile::defaultPath());
    }

    void failedProbeReportsOnceThenSilence() {
        form.reset();
        MessageLog boxes;
        showForm(true);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].caption, QString("Terrava"));
        QCOMPARE(boxes.shown[0].text,
                 QString("Cannot play sound file \"Whistle.wav\": no audio output device."));
        QVERIFY(!form->SoundAvailable);
        QCOMPARE(form->ListBox->count(), 130); // the steps before the probe were all done
        QCOMPARE(form->SpinEdit->Value(), 5);
        player->failing = false;
        form->SoundCheckBox->setChecked(true);
        form->StartButton->click();
        form->TimerTimer();
        form->PlaySound("Cough2.wav");
        QVERIFY(player->opened.isEmpty()); // no cue and no tick query for the whole run
        QCOMPARE(boxes.shown.size(), 1);
    }

    void soundOffPlaysNothing() {
        MessageLog boxes;
        form->SoundCheckBox->setChecked(false);
        form->StartButton->click();
        form->PlaySound("Cough2.wav");
        QCOMPARE(player->opened, QStringList{"Whistle.wav"});
        form->SoundCheckBox->setChecked(true);
        form->PlaySound("Cough2.wav");
        QCOMPARE(player->opened.last(), QString("Cough2.wav"));
    }

    void handingOverFromTheDialogAsksAWaitingTown() {
        TOKBottomDlg dialog;
        dialog.setMainForm(form.get());
        form->StartButton->click();
        form->hide();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // A found town waits for the next one; the activation by the hand-over asks it.
        form->Session->MarkFound();
        form->FoundFlag = true;
        form->HotSpotLabel->setText("Milano");
        dialog.OKBtn->click();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_VERIFY(!form->FoundFlag);
        QCOMPARE(form->RadioGroup->ItemIndex(), 1);
        QCOMPARE(form->TownToFind, form->RadioGroup->item(1));
        QCOMPARE(form->HotSpotLabel->text(), QString());
    }

    void closingOurMessageBoxIsNoHandOver() {
        form->StartButton->click();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->FoundFlag = true;
        int activations = 0;
        EventCounter counter(form.get(), QEvent::WindowActivate, activations);
        QMessageBox box(QMessageBox::Information, "Information", "Good! ", QMessageBox::Ok,
                        form.get());
        QTimer::singleShot(0, &box, [&] {
            // Closed once it has taken the focus from the main window.
            (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }, 2000);
            activations = 0;
            box.accept();
        });
        box.exec();
        if (!QTest::qWaitFor([&] { return activations > 0; }, 1000))
            QSKIP("no window manager gives the main window the focus back");
        QVERIFY(form->FoundFlag); // the answered town still waits for its mark
        QCOMPARE(form->RadioGroup->ItemIndex(), 0);
    }

    void refusedSaveIsReportedWithThePath() {
        MessageLog boxes;
        const QString blocker = scratch.filePath("not-a-folder");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", blocker.toUtf8()); // a folder that cannot be made
        const QString path = ProfileFile::defaultPath();
        form->SaveButton->click();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
        QFile::remove(blocker);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].caption, QString("Terrava"));
        QCOMPARE(boxes.shown[0].text,
                 "Unable to write to " + path + ": its folder cannot be made.");
    }

    void colorChooserStartsBlackThenOnTheLastColour() {
        QColor startedOn;
        auto choose = [&](const QColor& pick, bool confirm) {
            QTimer::singleShot(0, [&, pick, confirm] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                startedOn = dialog->currentColor();
                dialog->setCurrentColor(pick);
                confirm ? dialog->accept() : dialog->reject();
            });
            form->ColorButton->click();
        };
        choose(QColor(10, 20, 30), true);
        QCOMPARE(startedOn.rgb(), QColor(Qt::black).rgb());
        QCOMPARE(form->windowColor().rgb(), QColor(10, 20, 30).rgb());
        QCOMPARE(form->Questions->palette().color(QPalette::Window).rgb(),
                 QColor(10, 20, 30).rgb());
        QVERIFY(form->ListBox->palette().color(QPalette::Base) != QColor(10, 20, 30));
        choose(QColor(200, 0, 0), false); // cancelled: nothing changes
        QCOMPARE(startedOn.rgb(), QColor(10, 20, 30).rgb());
        QCOMPARE(form->windowColor().rgb(), QColor(10, 20, 30).rgb());
    }

    void onlyThreeControlsShowHints() {
        QStringList withHints;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (!w->toolTip().isEmpty())
                withHints << w->objectName();
        withHints.sort();
        QCOMPARE(withHints, (QStringList{"ListBox", "SaveButton", "TownsTrackBar"}));
        QCOMPARE(form->Nation->cursor().shape(), Qt::DragMoveCursor);
        QCOMPARE(form->NationHyperImages->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(form->RegionsHyperImages->HotCursor(), int(crHandPoint));
    }

    // A penalty that empties the bar leaves the clock running: the time is up at the next
    // timer event, not at the click.
    void penaltyEmptiesTheBarAndTheNextTimerEventEndsTheTime() {
        MessageLog boxes;
        form->StartButton->click();
        form->TownsTrackBar->setPosition(5);
        form->ProgressBar->setPosition(3);
        form->RegionsHyperImages->LoadPicture("Padania.bmp");
        const QHash<QString, QPoint> towns = clickablePoints(form->RegionsHyperImages);
        const QString asked = form->TownToFind;
        clickMap(form->RegionsHyperImages,
                 towns.value(towns.keys().first() == asked ? towns.keys().last()
                                                           : towns.keys().first()));
        QCOMPARE(form->ProgressBar->Position(), 0);
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(form->Timer->Enabled());
        form->TimerTimer();
        QCOMPARE(boxes.texts(), QStringList{"Time Up!"});
        QVERIFY(!form->Timer->Enabled());
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
