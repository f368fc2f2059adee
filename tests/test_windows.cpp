#include "Catalogue.h"
#include "Entering.h"
#include "Error.h"
#include "FormScaling.h"
#include "HImages.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "QuizRandom.h"
#include "RadioGroup.h"
#include "ScreenSize.h"
#include "ShellOpen.h"
#include "SilentPlayer.h"
#include "SoundDevice.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"
#include "UQuesiti.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

struct Boxes {
    QList<MessageRequest> shown;
    std::function<void(const MessageRequest&)> onShow;
    Boxes() {
        MessageBoxes::setHandler([this](const MessageRequest& r) {
            shown << r;
            if (onShow)
                onShow(r);
        });
    }
    ~Boxes() { MessageBoxes::setHandler({}); }
    QStringList texts() const {
        QStringList t;
        for (const auto& r : shown)
            t << r.text;
        return t;
    }
};

void clickMap(THyperImages* map, QPoint at) {
    QTest::mouseClick(map->PaintArea(), Qt::LeftButton, {}, at);
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TMainForm> form;
    SilentPlayer* player = nullptr;
    QHash<QString, QPoint> nationPoints;

    void makeForm(bool soundFails = false) {
        auto sound = std::make_unique<SilentPlayer>();
        sound->failing = soundFails;
        player = sound.get();
        form = std::make_unique<TMainForm>(nullptr, std::move(sound));
        form->resize(804, 551);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // Plays the right answer for the town asked: its region on the nation map, then the town.
    void findAskedTown() {
        const QString town = form->TownToFindLabel->text();
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
        QStandardPaths::setTestModeEnabled(true);
        setPrimaryScreenSizeOverride(QSize(800, 600)); // the layout's own screen
        QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game"));
        QCoreApplication::setApplicationName("Terrava");
        ProgramRandom.Randomize(12345);
    }

    void init() {
        makeForm();
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
        Boxes boxes;
        form->RegionsHyperImages->setPicturesDir(QDir::tempPath() + "/no-such-folder");
        form->PageControl->setActivePage(form->Nation);
        form->ShowRegion(3);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].text.startsWith("File Sicilia.bmp not found."));
        QCOMPARE(form->PageControl->ActivePage(), form->Regions);
    }

    void startDrawsASessionAndAsksItsFirstTown() {
        form->SpinEdit->setValue(7);
        form->StartButton->click();
        QVERIFY(form->Timer->Enabled());
        QCOMPARE(form->RadioGroup->count(), 7);
        QCOMPARE(form->RadioGroup->ItemIndex(), 0);
        QCOMPARE(form->TownToFindLabel->text(), form->RadioGroup->item(0));
        QCOMPARE(form->PageControl->ActivePage(), form->Nation);
        QCOMPARE(form->ProgressBar->Position(), 100);
        // Start during a session: a new draw, a full bar.
        form->ProgressBar->setPosition(40);
        form->StartButton->click();
        QCOMPARE(form->RadioGroup->count(), 7);
        QCOMPARE(form->ProgressBar->Position(), 100);
    }

    void wrongAnswersCostThePenaltyRightOnesHalfTheBonus() {
        Boxes boxes;
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
        QCOMPARE(form->TownToFindLabel->text(), form->RadioGroup->item(1));
        QCOMPARE(form->HotSpotLabel->text(), QString());
        QCOMPARE(form->PageControl->ActivePage(), form->Nation);
        QVERIFY(!form->FoundFlag);
    }

    void aWholeSessionPlayedToTheEnd() {
        Boxes boxes;
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
        Boxes boxes;
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
        Boxes boxes;
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
        QCOMPARE(form->TownToFindLabel->text(), form->RadioGroup->item(3));
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
        QCOMPARE(ScaleRect(QRect(0, 0, 10, 10), s).right() + 1,
                 ScaleRect(QRect(10, 0, 10, 10), s).left());

        form->move(30, 40);
        const QPoint topLeft = form->pos();
        ScaleForm(form.get(), s);
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
        makeForm();
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

    void cancelEndsTheProgramWithoutTheMainWindow() {
        TOKBottomDlg dialog;
        dialog.setMainForm(form.get());
        form->hide();
        dialog.show();
        QTimer::singleShot(0, &dialog, [&] { dialog.CancelBtn->click(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // a safety net only
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!form->isVisible());
    }

    void okHandsOverToTheMainWindow() {
        TOKBottomDlg dialog;
        dialog.setMainForm(form.get());
        form->hide();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.Edit->text(), QString("Easy"));
        dialog.Edit->setText("Ada");
        QTest::keyClick(dialog.Edit, Qt::Key_Return);
        QCOMPARE(PlayerName, QString("Ada"));
        QVERIFY(form->isVisible());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(form->NameDlg, &dialog);
        // Closing the main window ends the program and saves nothing.
        QFile::remove(ProfileFile::defaultPath());
        QTimer::singleShot(0, form.get(), [&] { form->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!QFile::exists(ProfileFile::defaultPath()));
    }

    void failedProbeReportsOnceThenSilence() {
        form.reset();
        Boxes boxes;
        makeForm(true);
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
        Boxes boxes;
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
        QCOMPARE(form->TownToFindLabel->text(), form->RadioGroup->item(1));
        QCOMPARE(form->HotSpotLabel->text(), QString());
        // Closing one of our own message boxes is no hand-over.
        form->FoundFlag = true;
        QMessageBox box(QMessageBox::Information, "Information", "Good! ", QMessageBox::Ok,
                        form.get());
        QTimer::singleShot(50, &box, [&] { box.accept(); });
        box.exec();
        QTest::qWait(50);
        QVERIFY(form->FoundFlag);
        form->FoundFlag = false;
    }

    void refusedSaveIsReportedWithThePath() {
        Boxes boxes;
        const QString blocker = QDir::tempPath() + "/terrava-not-a-folder";
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", blocker.toUtf8()); // a folder that cannot be made
        QStandardPaths::setTestModeEnabled(false);
        const QString path = ProfileFile::defaultPath();
        form->SaveButton->click();
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("XDG_CONFIG_HOME");
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
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
