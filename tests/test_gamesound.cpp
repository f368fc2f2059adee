// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound with the real wave player. Run by with-pulseaudio.sh: TERRAVA_SOUND=server
// promises a private sound server with a silent output, TERRAVA_SOUND=none no server at all.

#include "SoundDevice.h"
#include "SoundServer.h"
#include "Timer.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

class GameSoundTest : public QObject, WindowFixture {
    Q_OBJECT
    MessageLog boxes;

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());
        if (qgetenv("TERRAVA_SOUND").isEmpty())
            QSKIP("run through with-pulseaudio.sh, which says whether a sound server is there");
    }

    void probeAndCuesFollowTheSoundServer() {
        boxes.shown.clear();
        TMainForm form;
        if (qgetenv("TERRAVA_SOUND") == "none") {
            // One box at start-up, then silence for the whole run.
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].caption, QString("Terrava"));
            QVERIFY2(boxes.shown[0].text.contains("Whistle.wav"), qPrintable(boxes.shown[0].text));
            QVERIFY(!form.SoundAvailable);
            form.SoundCheckBox->setChecked(true);
            form.PlaySound("Cough2.wav");
            form.StartButton->click();
            form.TimerTimer();
            QCOMPARE(boxes.shown.size(), 1);
            return;
        }
        QVERIFY2(boxes.shown.isEmpty(),
                 boxes.shown.isEmpty() ? "" : qPrintable(boxes.shown[0].text));
        QVERIFY(form.SoundAvailable);
        QCOMPARE(form.MediaPlayer->fileName(), QString("Whistle.wav")); // opened, not played
        QCOMPARE(form.MediaPlayer->position(), 0);
        form.SoundCheckBox->setChecked(true);
        form.PlaySound("Applaude.wav");
        QCOMPARE(form.MediaPlayer->fileName(), QString("Applaude.wav"));
        const qint64 length = form.MediaPlayer->length();
        QVERIFY(length > 0);
        // It really plays: the position is seen on its way to the end.
        QTRY_VERIFY_WITH_TIMEOUT(
            form.MediaPlayer->position() > 0 && form.MediaPlayer->position() < length, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(SoundServer::nullSinkState(), QString("RUNNING"), 10000);
        const QStringList streams = SoundServer::sinkInputs();
        QCOMPARE(streams.size(), 1);
        // A cue cuts the one playing off; the tick waits for the end of the file last opened.
        form.PlaySound("Cough2.wav");
        QCOMPARE(form.MediaPlayer->fileName(), QString("Cough2.wav"));
        QTRY_VERIFY_WITH_TIMEOUT(form.MediaPlayer->position() >= form.MediaPlayer->length(), 20000);
        form.StartButton->click();
        form.Timer->setEnabled(false);
        // Ticks one after another, each when the one before has ended, on the same one stream.
        for (int tick = 0; tick < 5; ++tick) {
            form.TimerTimer();
            QCOMPARE(form.MediaPlayer->fileName(), QString("Movehit1.wav"));
            QTRY_VERIFY_WITH_TIMEOUT(form.MediaPlayer->position() >= form.MediaPlayer->length(),
                                     10000);
        }
        QCOMPARE(SoundServer::sinkInputs(), streams);
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(GameSoundTest)
#include "test_gamesound.moc"
