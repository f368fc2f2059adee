// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on today's screens: it fits the screen's available area, its controls size
// themselves from their scaled fonts, and the session's towns behave as a radio group.

#include "Entering.h"
#include "Error.h"
#include "FormScaling.h"
#include "MulDiv.h"
#include "PageControl.h"
#include "QuizRandom.h"
#include "RadioGroup.h"
#include "ScreenSize.h"
#include "SpinEdit.h"
#include "TrackBar.h"
#include "UQuesiti.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>

namespace {

// The part of a control its page and parents show, in the window's client coordinates.
QRect shownPart(const QWidget* w, const QWidget* form) {
    QRect r = w->rect();
    for (const QWidget* at = w; at != form; at = at->parentWidget())
        r = r.translated(at->pos()) & at->parentWidget()->rect();
    return r;
}

// The controls of the layout a player sees or uses, and the tabs.
QList<QWidget*> layoutControls(TMainForm* form) {
    QList<QWidget*> controls{form->PageControl->findChild<QTabBar*>()};
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            w == form->PageControl || qobject_cast<QStackedWidget*>(w->parentWidget()))
            continue;
        controls << w;
    }
    return controls;
}

int indicatorWidth(QWidget* w, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(w);
    return w->style()->subElementRect(element, &option, w).width();
}

// The layout control that holds the focus widget.
QString focusedControl(TMainForm* form) {
    for (QWidget* w = QApplication::focusWidget(); w && w != form; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    return QStringLiteral("(none)");
}

} // namespace

class ScreenFitTest : public QObject, WindowFixture {
    Q_OBJECT
    MessageLog boxes;

    std::unique_ptr<TMainForm> makeForm(QSize screen, QRect available) {
        setPrimaryScreenOverride(screen, available);
        return WindowFixture::makeForm();
    }

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());
        ProgramRandom.Randomize(4321);
    }

    void windowFitsTheAvailableArea_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("m");
        // M as the screen gives it where the window fits, lowered where it would not.
        QTest::newRow("640x480") << QSize(640, 480) << QRect(0, 0, 640, 480) << 554;
        QTest::newRow("800x600") << QSize(800, 600) << QRect(0, 0, 800, 600) << 693;
        QTest::newRow("1600x1200") << QSize(1600, 1200) << QRect(0, 0, 1600, 1200) << 1386;
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(0, 0, 1024, 768) << 887;
        QTest::newRow("1280x1024") << QSize(1280, 1024) << QRect(0, 0, 1280, 1024) << 1120;
        QTest::newRow("1366x768, bottom panel")
            << QSize(1366, 768) << QRect(0, 0, 1366, 740) << 881;
        QTest::newRow("1920x1080, top panel")
            << QSize(1920, 1080) << QRect(0, 32, 1920, 1048) << 1268;
        QTest::newRow("2560x1440, bottom dock")
            << QSize(2560, 1440) << QRect(0, 0, 2560, 1392) << 1701;
        // 3840 x 2160 at a device pixel ratio of 2: the game sees device-independent pixels.
        QTest::newRow("3840x2160 at 2, left panel")
            << QSize(1920, 1080) << QRect(48, 0, 1872, 1080) << 1308;
    }

    void windowFitsTheAvailableArea() {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(int, m);
        auto form = makeForm(screen, available);
        qInfo("%dx%d, available %dx%d: M = %d", screen.width(), screen.height(), available.width(),
              available.height(), m);
        QCOMPARE(form->size(), QSize(MulDiv(804, m, 693), MulDiv(551, m, 693)));
        QVERIFY(shown(form.get()));
        // Maximised on that screen: the client area is the available area less the frame.
        const QRect client = available.marginsRemoved(WindowFrameAllowance);
        for (int page = 0; page < form->PageControl->count(); ++page) {
            QWidget* shown = form->PageControl->widget(page);
            form->PageControl->setActivePage(shown);
            QCoreApplication::processEvents();
            for (QWidget* w : layoutControls(form.get())) {
                if (w->parentWidget() != shown && w->parentWidget() != form->PageControl)
                    continue;
                const QRect part = shownPart(w, form.get()).translated(client.topLeft());
                QVERIFY2(!part.isEmpty(), qPrintable(w->objectName() + " is hidden"));
                QVERIFY2(client.contains(part),
                         qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 is off the screen")
                                        .arg(w->objectName())
                                        .arg(part.x())
                                        .arg(part.y())
                                        .arg(part.width())
                                        .arg(part.height())));
            }
        }
    }

    void realScreenIsReadInDeviceIndependentPixels() {
        // Run on a 3840 x 2160 offscreen screen with QT_SCALE_FACTOR=2.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen->devicePixelRatio() != 2)
            QSKIP("the screen's device pixel ratio is not 2");
        setPrimaryScreenSizeOverride(QSize());
        QCOMPARE(PrimaryScreenSize(), QSize(1920, 1080));
        QCOMPARE(PrimaryScreenAvailableGeometry().size(), QSize(1920, 1080));
        auto form = WindowFixture::makeForm();
        QCOMPARE(form->size(), QSize(MulDiv(804, 1308, 693), MulDiv(551, 1308, 693)));
    }

    void controlsSizeThemselvesFromTheirFonts_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("m");
        QTest::newRow("800x600") << QSize(800, 600) << 693;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1308;
    }

    void controlsSizeThemselvesFromTheirFonts() {
        QFETCH(QSize, screen);
        QFETCH(int, m);
        auto form = makeForm(screen, QRect(QPoint(), screen));
        form->SpinEdit->setValue(5);
        form->StartButton->click();
        form->PageControl->setActivePage(form->Questions);
        QVERIFY(shown(form.get()));

        // The tabs: 150 x 30 as laid out, scaled like everything else.
        const QTabBar* tabs = form->PageControl->findChild<QTabBar*>();
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabRect(i).size(), QSize(MulDiv(150, m, 693), MulDiv(30, m, 693)));

        // Town-list rows as high as a line of their font, one below the other; 20 as laid out.
        QListWidget* list = form->ListBox;
        const int line = QFontMetrics(list->font()).height();
        const QRect first = list->visualItemRect(list->item(0));
        const QRect second = list->visualItemRect(list->item(1));
        QVERIFY2(first.height() >= line, qPrintable(QString::number(first.height())));
        QVERIFY(first.height() <= line + 4);
        QCOMPARE(second.top(), first.bottom() + 1);
        if (m == 693)
            QCOMPARE(first.height(), 20);

        // Radio rows below the caption's line, each holding a line of its text.
        const int groupLine = QFontMetrics(form->RadioGroup->font()).height();
        for (int i = 0; i < form->RadioGroup->count(); ++i) {
            QRadioButton* b = form->RadioGroup->button(i);
            QVERIFY(b->y() > groupLine);
            QCOMPARE(b->font(), form->RadioGroup->font());
            QVERIFY(b->height() >= b->sizeHint().height());
        }

        // The indicators grow with the scale.
        struct Indicator {
            QWidget* w;
            QStyle::SubElement element;
        };
        for (const Indicator& i :
             {Indicator{form->SoundCheckBox, QStyle::SE_CheckBoxIndicator},
              Indicator{form->RadioGroup->button(0), QStyle::SE_RadioButtonIndicator}}) {
            QWidget plain; // the style's own size, as laid out
            const int own = i.element == QStyle::SE_CheckBoxIndicator
                                ? plain.style()->pixelMetric(QStyle::PM_IndicatorWidth)
                                : plain.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
            QCOMPARE(indicatorWidth(i.w, i.element), MulDiv(own, m, 693));
        }
    }

    void radioGroupIsOneTabStopInItsPlace() {
        auto form = makeForm(QSize(800, 600), QRect(0, 0, 800, 600));
        form->StartButton->click();
        form->PageControl->setActivePage(form->Questions);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->TimeTrackBar->setFocus(Qt::TabFocusReason);
        QStringList order{focusedControl(form.get())};
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << focusedControl(form.get());
        }
        const QStringList questionsPage{
            "TimeTrackBar", "SoundCheckBox", "SpinEdit",   "TownsTrackBar", "ListBox",
            "StartButton",  "SaveButton",    "HelpButton", "RadioGroup",    "ColorButton"};
        QCOMPARE(order.mid(0, questionsPage.size()), questionsPage);
        QCOMPARE(order.count("RadioGroup"), 1);
        // The stop is the selected town; backwards from Color it is the same, then Help.
        form->ColorButton->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form->ColorButton, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->RadioGroup->button(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusedControl(form.get()), QString("HelpButton"));
    }

    void arrowKeysAndClicksChooseAmongTheOpenTowns() {
        auto form = makeForm(QSize(800, 600), QRect(0, 0, 800, 600));
        form->SpinEdit->setValue(5);
        form->StartButton->click();
        form->PageControl->setActivePage(form->Questions);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TRadioGroup* group = form->RadioGroup;
        group->setItemEnabled(1, false); // found
        group->button(0)->setFocus(Qt::TabFocusReason);
        QSignalSpy clicks(group, &TRadioGroup::OnClick);

        struct Step {
            Qt::Key key;
            int selected;
        };
        // Down passes the found town; Up from the first wraps to the last.
        for (const Step& step :
             {Step{Qt::Key_Down, 2}, Step{Qt::Key_Right, 3}, Step{Qt::Key_Up, 2},
              Step{Qt::Key_Left, 0}, Step{Qt::Key_Up, 4}, Step{Qt::Key_Down, 0}}) {
            QTest::keyClick(QApplication::focusWidget(), step.key);
            QCOMPARE(group->ItemIndex(), step.selected);
            QCOMPARE(QApplication::focusWidget(), group->button(step.selected));
            QCOMPARE(form->TownToFind, group->item(step.selected));
        }
        QCOMPARE(clicks.size(), 6);

        // A click far right on a row, away from the button's text, chooses that town.
        QRadioButton* third = group->button(3);
        QTest::mouseClick(third, Qt::LeftButton, {},
                          QPoint(third->width() - 3, third->height() - 3));
        QCOMPARE(group->ItemIndex(), 3);
        // A found town's row takes no click.
        QRadioButton* found = group->button(1);
        QTest::mouseClick(found, Qt::LeftButton, {}, QPoint(found->width() - 3, 5));
        QCOMPARE(group->ItemIndex(), 3);
    }

    void markFoundWithNothingSelectedFails() {
        auto form = makeForm(QSize(800, 600), QRect(0, 0, 800, 600));
        form->StartButton->click();
        form->RadioGroup->setItemIndex(-1);
        const std::int16_t remaining = form->Session->Remaining();
        try {
            form->Session->MarkFound();
            QFAIL("marked a town that is not selected");
        } catch (const TerravaError& error) {
            QCOMPARE(error.message(), QStringLiteral("List index out of bounds (-1)"));
        }
        QCOMPARE(form->Session->Remaining(), remaining);
    }
};

QTEST_MAIN(ScreenFitTest)
#include "test_screenfit.moc"
