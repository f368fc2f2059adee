// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Error.h"
#include "ErrorBox.h"
#include "MessageBoxes.h"
#include "MulDiv.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "TrackBar.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void mulDivRoundsHalfAwayFromZero() {
        QCOMPARE(MulDiv(804, 887, 693), 1029);
        QCOMPARE(MulDiv(551, 887, 693), 705);
        QCOMPARE(MulDiv(1, 3, 2), 2);
        QCOMPARE(MulDiv(-1, 3, 2), -2);
        QCOMPARE(MulDiv(5, 1, 2), 3);
        QCOMPARE(MulDiv(2000000000, 3, 3), 2000000000); // the product needs 64 bits
        QCOMPARE(MulDiv(1, 1, 0), -1);
    }

    void trackBarRaisesChangeOnlyForThePlayer() {
        TTrackBar bar;
        bar.setMax(5010);
        bar.setMin(10);
        bar.setPageSize(100);
        QSignalSpy changes(&bar, &TTrackBar::OnChange);
        bar.setPosition(20000);
        QCOMPARE(bar.Position(), 5010); // clamped to the nearer end
        bar.setPosition(5);
        QCOMPARE(bar.Position(), 10);
        QCOMPARE(changes.size(), 0);
        bar.setFocus();
        QTest::keyClick(&bar, Qt::Key_Right);
        QCOMPARE(bar.Position(), 11);
        QTest::keyClick(&bar, Qt::Key_PageUp);
        QCOMPARE(bar.Position(), 111);
        QCOMPARE(changes.size(), 2);
    }

    void progressBarClamps() {
        TProgressBar bar;
        bar.setRange(0, 100);
        bar.setPosition(-7);
        QCOMPARE(bar.Position(), 0);
        bar.setPosition(101);
        QCOMPARE(bar.Position(), 100);
        bar.setPosition(42);
        QCOMPARE(bar.Position(), 42);
    }

    void pageControlChangeComesFromThePlayerNotFromCode() {
        TPageControl pages;
        QWidget* a = new QWidget;
        QWidget* b = new QWidget;
        QWidget* c = new QWidget;
        pages.addTab(a, "Nation");
        pages.addTab(b, "Regions");
        pages.addTab(c, "Questions");
        pages.show();
        QSignalSpy changes(&pages, &TPageControl::OnChange);
        pages.setActivePage(c);
        QCOMPARE(pages.ActivePage(), c);
        QCOMPARE(changes.size(), 0);
        pages.SelectNextPage(); // wraps around
        QCOMPARE(pages.ActivePage(), a);
        QCOMPARE(changes.size(), 1);
        QTest::mouseClick(pages.tabBar(), Qt::LeftButton, {}, pages.tabBar()->tabRect(1).center());
        QCOMPARE(pages.ActivePage(), b);
        QCOMPARE(changes.size(), 2);
        QTest::keyClick(&pages, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages.ActivePage(), c);
        QTest::keyClick(&pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages.ActivePage(), b);
        QCOMPARE(changes.size(), 4);
    }

    void radioGroupSelectionAndClicks() {
        TRadioGroup group;
        group.resize(345, 524);
        QSignalSpy clicks(&group, &TRadioGroup::OnClick);
        for (const char* town : {"Roma", "Milano", "Bari"})
            group.addItem(town);
        QCOMPARE(group.ItemIndex(), -1);
        group.setItemIndex(1);
        QCOMPARE(clicks.size(), 1);
        group.setItemIndex(1); // already selected: nothing
        group.setItemIndex(-1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(group.ItemIndex(), -1);
        group.setItemIndex(99);
        QCOMPARE(group.ItemIndex(), 2);
        QCOMPARE(clicks.size(), 2);
        QVERIFY(group.button(2)->isChecked() && !group.button(1)->isChecked());
        // A disabled item stays visible and cannot be chosen by the player.
        group.setItemEnabled(0, false);
        group.show();
        QVERIFY(QTest::qWaitForWindowExposed(&group));
        group.button(0)->click();
        QCOMPARE(group.ItemIndex(), 2);
        group.button(1)->click();
        QCOMPARE(group.ItemIndex(), 1);
        QCOMPARE(clicks.size(), 3);
        group.button(1)->click(); // the selected one stays checked
        QVERIFY(group.button(1)->isChecked());
        group.clear();
        QCOMPARE(group.count(), 0);
        QCOMPARE(group.ItemIndex(), -1);
    }

    void radioButtonsShareTheHeight() {
        auto five = TRadioGroup::placeButtons(5, 524, 20);
        QCOMPARE(five.front().height, 99);
        QCOMPARE(five.front().top, 20 + 1 + (499 % 5) / 2);
        QCOMPARE(five[1].top, five[0].top + 99);
        auto thirty = TRadioGroup::placeButtons(30, 524, 20);
        QCOMPARE(thirty.front().height, 16);
        QCOMPARE(thirty.front().top, 21 + (499 % 30) / 2);
        QVERIFY(TRadioGroup::placeButtons(0, 524, 20).empty());
    }

    void spinEditReadsClampsAndRefusesLetters() {
        TSpinEdit spin;
        spin.setMinValue(1);
        spin.setMaxValue(30);
        spin.setValue(45);
        QCOMPARE(spin.Value(), 30);
        spin.setValue(0);
        QCOMPARE(spin.Value(), 1);
        spin.setText("");
        QCOMPARE(spin.Value(), 1); // no number reads as the minimum
        spin.show();
        spin.setFocus();
        spin.setText("");
        QTest::keyClicks(&spin, "1a2");
        QCOMPARE(spin.text(), QString("12")); // the letter was refused
        spin.setText("77");
        QCOMPARE(spin.Value(), 77); // typed values stand until the box is left
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&spin, &out);
        QCOMPARE(spin.text(), QString("30"));
        spin.setValue(5);
        QTest::keyClick(&spin, Qt::Key_Up);
        QCOMPARE(spin.Value(), 6);
        QTest::keyClick(&spin, Qt::Key_Down);
        QTest::keyClick(&spin, Qt::Key_Down);
        QCOMPARE(spin.Value(), 4);
    }

    // Minimised while open, as some window managers allow, a box comes back at once.
    void minimisedMessageBoxComesBack() {
        bool restored = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            box->setWindowState(Qt::WindowMinimized);
            restored = QTest::qWaitFor([&] { return !(box->windowState() & Qt::WindowMinimized); });
            box->close();
        });
        MessageBoxes::show(nullptr, MessageKind::Information, QStringLiteral("Good! "));
        QVERIFY(restored);
    }

    void errorBoxTextRule() {
        QCOMPARE(ErrorBox::textOf("Unable to write to /x/terrava.ini"),
                 QString("Unable to write to /x/terrava.ini."));
        QCOMPARE(ErrorBox::textOf("Time Up!"), QString("Time Up!")); // "!" sorts before "."
        QCOMPARE(ErrorBox::textOf("done."), QString("done."));
        QCOMPARE(ErrorBox::textOf("(0)"), QString("(0)"));
        QCOMPARE(ErrorBox::textOf("List index out of bounds (0)"),
                 QString("List index out of bounds (0)"));
        QCOMPARE(ErrorBox::textOf("value 7"), QString("value 7."));
    }

    void guardedHandlersShowTheErrorAndCarryOn() {
        QList<MessageRequest> shown;
        MessageBoxes::setHandler([&](const MessageRequest& r) { shown << r; });
        QCoreApplication::setApplicationName("Terrava");
        int after = 0;
        auto handler = Guarded([&](int v) {
            if (v < 0)
                throw TerravaError("negative value");
            after += v;
        });
        handler(-1);
        handler(2);
        MessageBoxes::setHandler({});
        QCOMPARE(after, 2);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QString("Terrava"));
        QCOMPARE(shown[0].kind, MessageKind::Error);
        QCOMPARE(shown[0].text, QString("negative value."));
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
