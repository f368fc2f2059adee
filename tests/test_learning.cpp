// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record of sessions as the window keeps it, the review and progress views, and the
// practice draw, through the real widgets and a real SQLite file in a folder of the test's own.
#include "Catalogue.h"
#include "Entering.h"
#include "FormScaling.h"
#include "HImages.h"
#include "LearningRecord.h"
#include "MainForm.h"
#include "MapPoints.h"
#include "MemoryQuizControls.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "ProgressDatabase.h"
#include "ProgressWindow.h"
#include "QuizRandom.h"
#include "RadioGroup.h"
#include "ReviewPage.h"
#include "ScreenSize.h"
#include "SessionRecorder.h"
#include "SessionReview.h"
#include "SilentPlayer.h"
#include "SpinEdit.h"
#include "UQuesiti.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

class LearningTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TOKBottomDlg> dialog;
    QStringList boxes;

    // The main window, confirmed for the player as the name dialog does it.
    void play(const QString& player) {
        form = std::make_unique<TMainForm>(nullptr, std::make_unique<SilentPlayer>());
        dialog = std::make_unique<TOKBottomDlg>();
        dialog->setMainForm(form.get());
        dialog->Edit->setText(player);
        dialog->OKBtn->click();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    std::optional<SessionReview> recorded() {
        ProgressDatabase db(ProgressDatabase::defaultPath());
        return sessionReview(db, form->Record->lastSessionId());
    }

    void click(THyperImages* map, const QString& hotspot) {
        const QHash<QString, QPoint> points = clickablePoints(map);
        QVERIFY2(points.contains(hotspot), qPrintable(hotspot));
        QTest::mouseClick(map->PaintArea(), Qt::LeftButton, {}, points[hotspot]);
    }

    // The nation map's region whose picture holds, or does not hold, the town asked.
    QString region(bool holding) {
        const QString town = form->TownToFindLabel->text();
        for (int i = 0; i < RegionCount; ++i)
            if (RegionHoldsTown(form->RegionsHyperImages->HotspotsDef(), RegionPictures[i], town) ==
                holding)
                return RegionPictures[i].section('.', 0, 0);
        return {};
    }

    QStringList missedBefore(const QStringList& towns) {
        ProgressDatabase db(ProgressDatabase::defaultPath());
        SessionRecorder recorder(db, QStringLiteral("anna"));
        recorder.sessionStarted({}, towns);
        for (int i = 0; i < towns.size(); ++i) {
            recorder.townAsked(i);
            recorder.wrongClick({WrongClick::Kind::Town, "Roma", "Ausonia.bmp", {10, 10}});
        }
        return towns;
    }

private slots:
    void initTestCase() {
        setPrimaryScreenSizeOverride(QSize(800, 600));
        QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game"));
        QCoreApplication::setApplicationName("Terrava");
        TMainForm::SeedClock = [] { return 4242u; };
        MessageBoxes::setHandler([this](const MessageRequest& r) { boxes << r.text; });
    }
    void init() {
        home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", home->filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", home->filePath("config").toUtf8());
        boxes.clear();
    }
    void cleanup() {
        dialog.reset();
        form.reset();
    }

    // Each event is in the file as soon as it has happened; the review then shows the town
    // with what was clicked instead, and how far from it.
    void sessionIsRecordedEventByEventAndReviewed() {
        play("Anna");
        QVERIFY(boxes.isEmpty());
        form->SpinEdit->setValue(2);
        form->StartButton->click();
        const QString town = form->TownToFindLabel->text();
        QCOMPARE(form->Answering.RegionsTownView->text(), "Find: " + town);
        QCOMPARE(recorded()->towns.size(), 2);
        QCOMPARE(recorded()->towns[0].askedOrder, 1);

        const QString wrongRegion = region(false);
        click(form->NationHyperImages, wrongRegion);
        QCOMPARE(recorded()->towns[0].wrongClicks.size(), 1);
        QCOMPARE(recorded()->towns[0].wrongClicks[0].click.kind, WrongClick::Kind::Region);
        QCOMPARE(recorded()->towns[0].wrongClicks[0].click.clicked, wrongRegion);

        click(form->NationHyperImages, region(true));
        QString other;
        for (const QString& name : clickablePoints(form->RegionsHyperImages).keys())
            if (name != town)
                other = name;
        click(form->RegionsHyperImages, other);
        QCOMPARE(form->Answering.RegionsTimeView->value(), form->ProgressBar->Position());
        QCOMPARE(recorded()->towns[0].wrongClicks.size(), 2);
        QCOMPARE(recorded()->towns[0].wrongClicks[1].click.clicked, other);
        QVERIFY(!recorded()->towns[0].found);

        click(form->RegionsHyperImages, town);
        QVERIFY(recorded()->towns[0].found);
        QCOMPARE(recorded()->towns[1].askedOrder, 2); // the next town, asked at once
        QVERIFY(!recorded()->end);

        form->ProgressButton->click();
        ReviewPage* review = form->Progress->Review;
        QCOMPARE(review->TownList->topLevelItemCount(), 2);
        QCOMPARE(review->TownList->topLevelItem(0)->text(2), QString("found"));
        QVERIFY(review->TownList->topLevelItem(0)->text(4).startsWith("2: " + wrongRegion));
        QCOMPARE(review->marks().marks.first().label, town);
        QCOMPARE(review->ReviewMap->PictureFilename() + "/" + town,
                 PictureOfTown(form->RegionsHyperImages->HotspotsDef(), town) + "/" + town);
        QCOMPARE(review->marks().lines.size(), 2);
        for (const MapLine& line : review->marks().lines)
            QVERIFY2(line.label.contains(" km"), qPrintable(line.label));
        const QImage marked = review->ReviewMap->PaintArea()->grab().toImage();
        ShowMarks(*review->ReviewMap, {});
        QVERIFY(review->ReviewMap->PaintArea()->grab().toImage() != marked); // marks are painted

        form->close();
        QCOMPARE(recorded()->end, SessionEnd::WindowClosed);
    }

    // Practice asks the towns the player misses, the disliked ones left out; without it the
    // draw is the rules' own, generator and seed included.
    void practiceDrawsMissedTownsAndOffKeepsTheRulesDraw() {
        play("Anna");
        const QStringList missed = missedBefore({"Rovigo", "Catania", "Sassari", "Lecce"});
        form->ListBox->findItems("Lecce", Qt::MatchExactly).first()->setSelected(true);
        form->PracticeCheckBox->setChecked(true);
        form->SpinEdit->setValue(3);
        form->StartButton->click();
        QStringList drawn = form->RadioGroup->Items();
        drawn.sort();
        QCOMPARE(drawn, (QStringList{"Catania", "Rovigo", "Sassari"}));
        QVERIFY(recorded()->settings.practice);

        form->PracticeCheckBox->setChecked(false);
        form->SpinEdit->setValue(8);
        ProgramRandom.Randomize(777);
        form->StartButton->click();
        QStringList towns;
        for (int i = 0; i < form->ListBox->count(); ++i)
            towns << form->ListBox->item(i)->text();
        MemoryTownList list(towns);
        list.setSelected(int(towns.indexOf("Lecce")), true);
        MemoryQuestionList rules;
        ProgramRandom.Randomize(777);
        TSession session(rules, list);
        QCOMPARE(form->RadioGroup->Items(), rules.texts());
    }

    // A data folder that cannot be written: one message, at the confirmation, and the game
    // plays on without a record.
    void recordOffGivesOneMessageAndTheGamePlays() {
        QFile blocker(home->filePath("data"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        play("Anna");
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains(home->filePath("data")), qPrintable(boxes[0]));
        form->SpinEdit->setValue(1);
        form->StartButton->click();
        const QString town = form->TownToFindLabel->text();
        click(form->NationHyperImages, region(true));
        click(form->RegionsHyperImages, town);
        QCOMPARE(boxes.mid(1), (QStringList{"Good! ", "Very good! You have found them all!"}));
        form->ProgressButton->click();
        QVERIFY(form->Progress->RecordState->text().contains(home->filePath("data")));
    }

    // Practice is kept with the other settings; a player who never practised keeps the
    // section as it always was.
    void practiceSettingSavesAndLoads() {
        const QString ini = home->filePath("config/terrava.ini");
        play("Anna");
        form->SaveButton->click();
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("Practice"));
        file.close();
        for (bool on : {true, false}) {
            form->PracticeCheckBox->setChecked(on);
            form->SaveButton->click();
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains(on ? "Practice=1" : "Practice=0"));
            file.close();
            form->PracticeCheckBox->setChecked(!on);
            form->LoadSettings();
            QCOMPARE(form->PracticeCheckBox->isChecked(), on);
        }
    }
};

QTEST_MAIN(LearningTest)
#include "test_learning.moc"
