// Long play: a player in the same process plays many whole sessions of 30 towns through the
// real event path. The time bar runs at its shortest step through the event loop, every
// answer is a mouse click on a real hotspot of the shown map, and the message boxes are
// answered as a user would, the event loop running while "Good! " waits. Resident memory after
// the first sessions must stay flat to the end.
//
// TERRAVA_SOAK_SESSIONS sets the number of sessions (200 unless given).

#include "Catalogue.h"
#include "HImages.h"
#include "MainForm.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "QuizRandom.h"
#include "RadioGroup.h"
#include "ScreenSize.h"
#include "SoundDevice.h"
#include "SpinEdit.h"
#include "Timer.h"
#include "TrackBar.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// A media player that always opens and plays silently, counting what it was asked to open.
class SilentPlayer final : public SoundDevice {
public:
    QHash<QString, int> opened;
    void setFileName(const QString& name) override { file = name; }
    QString fileName() const override { return file; }
    void open() override { ++opened[file]; }
    void close() override {}
    void play() override {}
    qint64 position() override { return 0; }
    qint64 length() override { return 0; }
    int lastError() const override { return 0; }

private:
    QString file;
};

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// Where on a map's paint area each hotspot name can be clicked: the middle of its points
// when that is inside it, else the first point found.
QHash<QString, QPoint> clickablePoints(THyperImages* map) {
    QHash<QString, QList<QPoint>> all;
    const QSize size = map->PaintArea()->size();
    for (int y = 0; y < size.height(); y += 2)
        for (int x = 0; x < size.width(); x += 2) {
            QString name;
            if (map->HotspotAt(x, y, name))
                all[name] << QPoint(x, y);
        }
    QHash<QString, QPoint> points;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const QPoint middle = it.value()[it.value().size() / 2];
        points.insert(it.key(), middle);
    }
    return points;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    std::unique_ptr<TMainForm> form;
    SilentPlayer* player = nullptr;
    QHash<QString, QPoint> nationPoints;
    QHash<QString, QHash<QString, QPoint>> townPoints; // by picture file
    QHash<QString, QStringList> regionsOfTown;         // the region names, in definition order
    QRandomGenerator random{424242};

    int sessionsDone = 0;
    int timeUps = 0;
    int timeUpsWhileGood = 0;
    int goods = 0;
    bool inGood = false;

    void onBox(const MessageRequest& r) {
        if (r.text == QLatin1String("Good! ")) {
            ++goods;
            // A real box runs its own event loop while it waits: the timer keeps running.
            inGood = true;
            if (random.bounded(4) == 0)
                QTest::qWait(random.bounded(1, 30));
            inGood = false;
        } else if (r.text == QLatin1String("Time Up!")) {
            ++timeUps;
            if (inGood)
                ++timeUpsWhileGood;
        } else if (r.text == QLatin1String("Very good! You have found them all!")) {
            ++sessionsDone;
        } else {
            QFAIL(qPrintable("unexpected message: " + r.text));
        }
    }

    void click(THyperImages* map, QPoint at) {
        QTest::mouseClick(map->PaintArea(), Qt::LeftButton, {}, at);
    }

    // Answers the town asked: its region on the nation map, then the town on the region's
    // map. Returns false when the town could not be found on any picture.
    bool answer() {
        const QString town = form->TownToFindLabel->text();
        for (const QString& region : regionsOfTown.value(town)) {
            if (form->PageControl->ActivePage() != form->Nation)
                form->PageControl->setActivePage(form->Nation);
            click(form->NationHyperImages, nationPoints[region]);
            if (form->PageControl->ActivePage() != form->Regions)
                return false;
            const QString picture = form->RegionsHyperImages->PictureFilename();
            if (!townPoints.contains(picture))
                townPoints.insert(picture, clickablePoints(form->RegionsHyperImages));
            const auto& towns = townPoints[picture];
            if (!towns.contains(town))
                continue; // hidden on this picture: try its other one
            // Now and then a wrong town first: a cough and the penalty.
            if (random.bounded(10) == 0) {
                const auto other = towns.constBegin();
                if (other.key() != town)
                    click(form->RegionsHyperImages, other.value());
            }
            click(form->RegionsHyperImages, towns[town]);
            return true;
        }
        return false;
    }

    // One session from Start to "Very good!": answers until every town has been found.
    void playSession(int towns) {
        const int before = sessionsDone;
        form->PageControl->setActivePage(form->Questions);
        form->SpinEdit->setValue(towns);
        QTest::mouseClick(form->StartButton, Qt::LeftButton);
        QVERIFY(form->Session);
        QVERIFY(form->Timer->Enabled());
        QCOMPARE(form->RadioGroup->count(), towns);
        for (int asked = 0; asked < towns; ++asked) {
            const QString town = form->TownToFindLabel->text();
            QVERIFY2(!town.isEmpty(), qPrintable(QString("question %1").arg(asked)));
            QVERIFY2(answer(), qPrintable("no clickable place for " + town));
            QVERIFY(!form->RadioGroup->itemEnabled(asked) || sessionsDone > before);
            // The event loop runs between answers; sometimes long enough for the time to run
            // out.
            QTest::qWait(random.bounded(8) == 0 ? random.bounded(20, 200) : 0);
        }
        QCOMPARE(sessionsDone, before + 1);
        QVERIFY(!form->Session);
        QVERIFY(!form->Timer->Enabled());
        QCOMPARE(form->TownToFindLabel->text(), QString());
    }

private slots:
    void initTestCase() {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); // nothing is saved
        setPrimaryScreenSizeOverride(QSize(800, 600));
        QVERIFY(QDir::setCurrent(QStringLiteral(TERRAVA_BINARY_DIR "/game")));
        QCoreApplication::setApplicationName("Terrava");
        MessageBoxes::setHandler([this](const MessageRequest& r) { onBox(r); });

        auto sound = std::make_unique<SilentPlayer>();
        player = sound.get();
        form = std::make_unique<TMainForm>(nullptr, std::move(sound));
        ProgramRandom.Randomize(777);
        form->resize(804, 551);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));

        form->PageControl->setActivePage(form->Nation);
        nationPoints = clickablePoints(form->NationHyperImages);
        QCOMPARE(nationPoints.size(), 5);
        for (const QString& line : form->RegionsHyperImages->HotspotsDef()) {
            const QString region = line.section('/', 0, 0).section('.', 0, 0);
            regionsOfTown[NameOfDefinition(line)] << region;
        }
        // The shortest step of the time bar, and the largest bonus so that sessions can be
        // won as well as lost on time.
        form->TimeTrackBar->setPosition(form->TimeTrackBar->minimum());
        QCOMPARE(form->Timer->Interval(), 10);
        form->TownsTrackBar->setPosition(form->TownsTrackBar->maximum());
        form->SoundCheckBox->setChecked(true); // the cues go to the silent player
    }

    void cleanupTestCase() {
        form.reset();
        MessageBoxes::setHandler({});
    }

    void manyWholeSessions() {
        const int sessions = qEnvironmentVariableIsSet("TERRAVA_SOAK_SESSIONS")
                                 ? qEnvironmentVariableIntValue("TERRAVA_SOAK_SESSIONS")
                                 : 200;
        QVERIFY(sessions > 0);
        const int warmUp = qMin(20, qMax(1, sessions / 2));
        QElapsedTimer clock;
        clock.start();
        qint64 afterWarmUp = 0;
        for (int s = 0; s < sessions; ++s) {
            playSession(30);
            if (QTest::currentTestFailed())
                return;
            if (s + 1 == warmUp)
                afterWarmUp = residentBytes();
        }
        const qint64 atEnd = residentBytes();
        const qint64 growth = atEnd - afterWarmUp;
        qInfo("%d sessions of 30 towns in %lld ms; %d time ups (%d while \"Good! \" waited), "
              "%d right answers; resident memory %lld KiB after %d sessions, %lld KiB at the "
              "end, growth %lld KiB",
              sessions, clock.elapsed(), timeUps, timeUpsWhileGood, goods, afterWarmUp / 1024,
              warmUp, atEnd / 1024, growth / 1024);
        QCOMPARE(sessionsDone, sessions);
        QCOMPARE(goods, sessions * 30);
        QVERIFY(player->opened.value("Applaude.wav") >= sessions);
        // The time bar really ran: with 10 ms steps some sessions ran out of time.
        QVERIFY(player->opened.value("Movehit1.wav") > sessions);
        QVERIFY(timeUps > 0);
        QCOMPARE(player->opened.value("Moan.wav"), timeUps);
        QVERIFY2(growth < 4 * 1024 * 1024,
                 qPrintable(QString("resident memory grew by %1 KiB").arg(growth / 1024)));
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
