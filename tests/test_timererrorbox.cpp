// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An error raised by the timer's own handler: its box comes once the handler has returned, so
// that the clock keeps running while the box is open, as it does under any other message.

#include "ProgressBar.h"
#include "Timer.h"
#include "TrackBar.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TimerErrorBoxTest : public QObject, WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(setUpWindows()); }

    void clockRunsWhileTheErrorBoxIsOpen() {
        const auto owned = makeForm(false, "Movehit1.wav");
        TMainForm& form = *owned;
        QVERIFY(shown(&form));
        form.SoundCheckBox->setChecked(true);
        form.TimeTrackBar->setPosition(20);
        form.StartButton->click();
        form.ProgressBar->setPosition(85);

        // The first tick fails. The real box is watched: its bar is noted when it opens, and
        // it is closed once the bar has drained by ten steps, or after ten seconds without.
        int boxes = 0, barWhenOpened = -1, barWhenClosed = -1;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QElapsedTimer open;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (!open.isValid()) {
                ++boxes;
                open.start();
                barWhenOpened = form.ProgressBar->Position();
                caption = box->windowTitle();
                text = box->text();
                icon = box->icon();
            }
            if (form.ProgressBar->Position() <= barWhenOpened - 10 || open.hasExpired(10000)) {
                barWhenClosed = form.ProgressBar->Position();
                form.Timer->setEnabled(false);
                box->accept();
                open.invalidate();
            }
        });
        watch.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(barWhenClosed >= 0, 30000);
        QTest::qWait(100); // a second box would open now
        watch.stop();

        QCOMPARE(boxes, 1); // the failure ends sound for the run: it is reported once
        QCOMPARE(caption, QString("Terrava"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(text, QString("Cannot play sound file \"Movehit1.wav\": the file is missing."));
        QVERIFY2(barWhenClosed <= barWhenOpened - 10,
                 qPrintable(QString("the bar stayed at %1").arg(barWhenOpened)));
    }

    void failedTimeUpCueSkipsTheMessage() {
        const auto owned = makeForm(false, "Moan.wav");
        TMainForm& form = *owned;
        MessageLog boxes;
        form.SoundCheckBox->setChecked(true);
        form.StartButton->click();
        form.ProgressBar->setPosition(1);
        form.TimerTimer();
        QVERIFY(boxes.shown.isEmpty()); // the handler returns first
        QVERIFY(!form.Timer->Enabled());
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].caption, QString("Terrava"));
        QCOMPARE(boxes.shown[0].kind, MessageKind::Error);
        QCOMPARE(boxes.shown[0].text,
                 QString("Cannot play sound file \"Moan.wav\": the file is missing."));
        QTest::qWait(50);
        QCOMPARE(boxes.shown.size(), 1); // no "Time Up!" after it
    }
};

QTEST_MAIN(TimerErrorBoxTest)
#include "test_timererrorbox.moc"
