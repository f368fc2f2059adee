// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Error.h"
#include "GameRules.h"
#include "SoundCues.h"

#include <QSet>
#include <QTest>

namespace {

// A media player that records what is asked of it. Opening a file named in `missing` fails
// as a missing file does: raised, error code kept, no device open afterwards.
class RecordingPlayer final : public SoundDevice {
public:
    QStringList calls;
    QSet<QString> missing;
    qint64 playedTo = 0;
    qint64 cueLength = 500;

    void setFileName(const QString& name) override { name_ = name; }
    QString fileName() const override { return name_; }

    void open() override {
        close();
        calls << QStringLiteral("open ") + name_;
        if (missing.contains(name_)) {
            error = 275;
            throw TerravaError(QStringLiteral("Cannot find the file ") + name_);
        }
        error = 0;
        isOpen = true;
        playedTo = 0;
    }
    void close() override { isOpen = false; }
    void play() override { calls << QStringLiteral("play ") + name_; }
    qint64 position() override {
        calls << QStringLiteral("position");
        return isOpen ? playedTo : 0;
    }
    qint64 length() override {
        calls << QStringLiteral("length");
        if (!isOpen)
            throw TerravaError(QStringLiteral("No MCI device open"));
        return cueLength;
    }
    int lastError() const override { return error; }

    bool isOpen = false;

private:
    QString name_ = QStringLiteral("Ring.wav");
    int error = 0;
};

// Runs a step that must raise, and gives its message.
template <typename Step> QString failureOf(Step step) {
    try {
        step();
    } catch (const TerravaError& error) {
        return error.message();
    }
    return QStringLiteral("<nothing raised>");
}

} // namespace

class QuizRulesTest : public QObject {
    Q_OBJECT

private slots:
    void timeBarSteps_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("expected");
        // The bonus is half the setting, truncated; the bar never passes 100.
        QTest::newRow("right, 2 adds 1") << "right" << 50 << 2 << 51;
        QTest::newRow("right, 3 adds 1") << "right" << 50 << 3 << 51;
        QTest::newRow("right, 10 adds 5") << "right" << 50 << 10 << 55;
        QTest::newRow("right, 1 adds nothing") << "right" << 50 << 1 << 50;
        QTest::newRow("right, 0 adds nothing") << "right" << 50 << 0 << 50;
        QTest::newRow("right at 99 stops at 100") << "right" << 99 << 5 << 100;
        QTest::newRow("right on an empty bar") << "right" << 0 << 4 << 2;
        // The penalty is the whole setting; the bar never drops below 0.
        QTest::newRow("wrong, 1 costs 1") << "wrong" << 50 << 1 << 49;
        QTest::newRow("wrong, 10 costs 10") << "wrong" << 50 << 10 << 40;
        QTest::newRow("wrong, 0 costs nothing") << "wrong" << 50 << 0 << 50;
        QTest::newRow("wrong at 3 with 5 stops at 0") << "wrong" << 3 << 5 << 0;
        QTest::newRow("timer step") << "timer" << 100 << 0 << 99;
        QTest::newRow("timer step to 0") << "timer" << 1 << 0 << 0;
        QTest::newRow("timer step on an empty bar") << "timer" << 0 << 0 << 0;
    }
    void timeBarSteps() {
        QFETCH(QString, step);
        QFETCH(int, position);
        QFETCH(int, setting);
        QFETCH(int, expected);
        const int after = step == "right"   ? TimeBar::afterRightAnswer(position, setting)
                          : step == "wrong" ? TimeBar::afterWrongAnswer(position, setting)
                                            : TimeBar::afterTimerStep(position);
        QCOMPARE(after, expected);
    }

    void timeBarClampsEveryAssignment() {
        QCOMPARE(TimeBar::clamp(-1), 0);
        QCOMPARE(TimeBar::clamp(101), 100);
        QCOMPARE(TimeBar::clamp(37), 37);
        QCOMPARE(TimeBar::clamp(-5'000'000'000LL), 0);
        QCOMPARE(TimeBar::clamp(5'000'000'000LL), 100);
        QCOMPARE(TimeBar::afterWrongAnswer(-2147483647 - 1 + 10, 100), 0);
        QCOMPARE(TimeBar::afterRightAnswer(2147483647, 10), 100);
    }

    void timeIsUpWhenAStepEmptiesTheBar() {
        // A penalty may empty the bar; the time is up at the next timer step.
        const int afterPenalty = TimeBar::afterWrongAnswer(3, 5);
        const int afterStep = TimeBar::afterTimerStep(afterPenalty);
        QVERIFY(TimeBar::isTimeUp(afterStep));
        QVERIFY(TimeBar::isTimeUp(TimeBar::afterTimerStep(1)));
        QVERIFY(!TimeBar::isTimeUp(TimeBar::afterTimerStep(2)));
        // Untouched, a full bar lasts 100 steps.
        int bar = TimeBar::Max;
        int steps = 0;
        do {
            bar = TimeBar::afterTimerStep(bar);
            ++steps;
        } while (!TimeBar::isTimeUp(bar));
        QCOMPARE(steps, 100);
    }

    void answersCompareWholeNamesExactly_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("toFind");
        QTest::addColumn<int>("expected");
        const int right = int(Answer::Right), wrong = int(Answer::Wrong), none = int(Answer::None);
        QTest::newRow("same name") << "Ascoli Piceno"
                                   << "Ascoli Piceno" << right;
        QTest::newRow("same accented name") << "Forlì"
                                            << "Forlì" << right;
        QTest::newRow("other letter case") << "ascoli piceno"
                                           << "Ascoli Piceno" << wrong;
        QTest::newRow("accent in other case") << "FORLÌ"
                                              << "FORLì" << wrong;
        QTest::newRow("trailing blank") << "Roma "
                                        << "Roma" << wrong;
        QTest::newRow("prefix") << "Reggio"
                                << "Reggio Emilia" << wrong;
        QTest::newRow("other town") << "Milano"
                                    << "Roma" << wrong;
        QTest::newRow("nothing asked") << "Milano"
                                       << "" << wrong;
        QTest::newRow("no name") << ""
                                 << "Roma" << none;
        QTest::newRow("no name, nothing asked") << ""
                                                << "" << none;
    }
    void answersCompareWholeNamesExactly() {
        QFETCH(QString, clicked);
        QFETCH(QString, toFind);
        QFETCH(int, expected);
        QCOMPARE(int(judgeAnswer(clicked, toFind)), expected);
    }

    void probeOpensTheWhistleWithoutPlayingIt() {
        RecordingPlayer player;
        TSoundCues cues(player);
        QVERIFY(!cues.SoundAvailable());
        cues.Probe();
        QVERIFY(cues.SoundAvailable());
        QCOMPARE(player.calls, QStringList{"open Whistle.wav"});
        QVERIFY(player.isOpen);
    }

    void failedProbeMeansSilenceForTheRun() {
        RecordingPlayer player;
        player.missing = {Cues::Whistle};
        TSoundCues cues(player);
        QCOMPARE(failureOf([&] { cues.Probe(); }), "Cannot find the file Whistle.wav");
        QVERIFY(!cues.SoundAvailable());
        player.calls.clear();
        // Sound switched on or not: no cue plays and the tick asks nothing.
        cues.PlaySound(Cues::Cough, true);
        cues.PlayTimerSound(Cues::Moan, true);
        cues.Tick(true);
        cues.Tick(false);
        QVERIFY(player.calls.isEmpty());
    }

    void cuesPlayOnlyWithSoundSwitchedOn() {
        RecordingPlayer player;
        TSoundCues cues(player);
        cues.Probe();
        player.calls.clear();
        cues.PlaySound(Cues::Cough, false);
        QVERIFY(player.calls.isEmpty());
        cues.PlaySound(Cues::Cough, true);
        cues.PlaySound(Cues::Applause, true);
        QCOMPARE(player.calls, (QStringList{"open Cough2.wav", "play Cough2.wav",
                                            "open Applaude.wav", "play Applaude.wav"}));
    }

    void tickWaitsForTheLastCueToEnd() {
        RecordingPlayer player;
        TSoundCues cues(player);
        cues.Probe();
        cues.PlaySound(Cues::Whistle, true);
        player.calls.clear();

        // Still playing: position first, then length, and no tick.
        player.playedTo = 499;
        cues.Tick(true);
        QCOMPARE(player.calls, (QStringList{"position", "length"}));

        // Played to its end: the tick starts.
        player.calls.clear();
        player.playedTo = 500;
        cues.Tick(true);
        QCOMPARE(player.calls,
                 (QStringList{"position", "length", "open Movehit1.wav", "play Movehit1.wav"}));

        // Sound switched off: the player is still asked, nothing plays.
        player.calls.clear();
        player.playedTo = 500;
        cues.Tick(false);
        QCOMPARE(player.calls, (QStringList{"position", "length"}));
    }

    void eventCueFailuresAreReportedEachTime() {
        RecordingPlayer player;
        player.missing = {Cues::Cough};
        TSoundCues cues(player);
        cues.Probe();
        QCOMPARE(failureOf([&] { cues.PlaySound(Cues::Cough, true); }),
                 "Cannot find the file Cough2.wav");
        QCOMPARE(failureOf([&] { cues.PlaySound(Cues::Cough, true); }),
                 "Cannot find the file Cough2.wav");
        QVERIFY(!cues.SoundEnded());
        // The whistle still plays.
        player.calls.clear();
        cues.PlaySound(Cues::Whistle, true);
        QCOMPARE(player.calls, (QStringList{"open Whistle.wav", "play Whistle.wav"}));
    }

    void timerFailureIsReportedOnceAndEndsSound() {
        RecordingPlayer player;
        player.missing = {Cues::Cough};
        TSoundCues cues(player);
        cues.Probe();
        // A failed cue leaves no device open: the next tick's length query fails.
        QCOMPARE(failureOf([&] { cues.PlaySound(Cues::Cough, true); }),
                 "Cannot find the file Cough2.wav");
        QCOMPARE(failureOf([&] { cues.Tick(true); }), "No MCI device open");
        QVERIFY(cues.SoundEnded());
        QVERIFY(cues.SoundAvailable());

        // From then on nothing is asked of the player and nothing is raised.
        player.calls.clear();
        for (int i = 0; i < 5; ++i)
            cues.Tick(true);
        cues.PlayTimerSound(Cues::Moan, true);
        cues.PlaySound(Cues::Whistle, true);
        QVERIFY(player.calls.isEmpty());
    }

    void timeUpCueFailureEndsSound() {
        RecordingPlayer player;
        player.missing = {Cues::Moan};
        TSoundCues cues(player);
        cues.Probe();
        QCOMPARE(failureOf([&] { cues.PlayTimerSound(Cues::Moan, true); }),
                 "Cannot find the file Moan.wav");
        QVERIFY(cues.SoundEnded());
        player.calls.clear();
        cues.Tick(true);
        QVERIFY(player.calls.isEmpty());

        // A failing tick cue ends sound the same way.
        RecordingPlayer other;
        other.missing = {Cues::Tick};
        TSoundCues otherCues(other);
        otherCues.Probe();
        other.playedTo = 500;
        QCOMPARE(failureOf([&] { otherCues.Tick(true); }), "Cannot find the file Movehit1.wav");
        QVERIFY(otherCues.SoundEnded());
    }
};

QTEST_GUILESS_MAIN(QuizRulesTest)
#include "test_quizrules.moc"
