// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the two windows: every control and label named, every control
// of the layouts described, and the game's state (the town to find, the town last clicked, the
// time left, the picture on each map) announced as it changes.

#include "Entering.h"
#include "HImages.h"
#include "MapPoints.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "RadioGroup.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qWarning() << "no accessible interface for" << object;
    return iface;
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = accessible(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString accessibleDescription(QObject* object) {
    QAccessibleInterface* iface = accessible(object);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// The widgets a user acts on or reads, as opposed to containers and decoration. The scroll
// bars and the line edit inside the list and the spin box belong to them.
bool isControl(QWidget* w) {
    if (qobject_cast<QScrollBar*>(w))
        return false;
    if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
        return false;
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QTabWidget*>(w) ||
           qobject_cast<QProgressBar*>(w) || qobject_cast<QGroupBox*>(w) ||
           qobject_cast<TCustomHyperImages*>(w);
}

// The layout's own widgets, not those Qt makes inside its controls (the tab bar's scroll
// buttons, the list's viewport).
bool fromLayout(QWidget* w) {
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
           !qobject_cast<QTabBar*>(w->parentWidget());
}

// Every control and label below top is named; the layout's controls are described too. Returns
// how many controls of the layout were checked.
int checkNamed(QWidget* top, QStringList& faults) {
    int layoutControls = 0;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        const bool control = isControl(w);
        if (!control && !qobject_cast<QLabel*>(w))
            continue;
        const QString what = w->metaObject()->className() + QStringLiteral(" ") + w->objectName();
        if (accessibleName(w).trimmed().isEmpty())
            faults << what + QStringLiteral(" has no accessible name");
        if (control && fromLayout(w)) {
            ++layoutControls;
            if (accessibleDescription(w).trimmed().isEmpty())
                faults << what + QStringLiteral(" has no accessible description");
        }
    }
    return layoutControls;
}

} // namespace

class AccessibilityTest : public QObject, WindowFixture {
    Q_OBJECT
    MessageLog boxes; // "Good! " and the like
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TOKBottomDlg> dialog;

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());
        form = makeForm();
        form->resize(804, 551);
        dialog = std::make_unique<TOKBottomDlg>();
        dialog->setMainForm(form.get());
        QVERIFY(shown(form.get()));
    }

    void cleanupTestCase() {
        dialog.reset();
        form.reset();
    }

    void everyControlOfTheMainWindowIsNamedAndDescribed() {
        QStringList faults;
        // The layout's controls: the page control, two maps, two sliders, the check box, the
        // spin box, the list, four buttons, the time bar and the radio group; the practice
        // box, the progress button and the two views of the time left on the map pages.
        QCOMPARE(checkNamed(form.get(), faults), 18);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // The pages are announced by their titles.
        QAccessibleInterface* tabs = accessible(form->PageControl->findChild<QTabBar*>());
        QVERIFY(tabs);
        QStringList titles;
        for (int i = 0; i < tabs->childCount(); ++i)
            if (tabs->child(i)->role() == QAccessible::PageTab)
                titles << tabs->child(i)->text(QAccessible::Name);
        QCOMPARE(titles, QStringList({"Nation", "Regions", "Questions"}));
    }

    void everyControlOfTheNameDialogIsNamedAndDescribed() {
        QStringList faults;
        QCOMPARE(checkNamed(dialog.get(), faults), 3); // the name, OK and Cancel
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QCOMPARE(accessibleName(dialog->Edit), QString("Your name"));
        QCOMPARE(accessibleName(dialog->OKBtn), QString("OK"));
        QCOMPARE(accessibleName(dialog->CancelBtn), QString("Cancel"));
    }

    void theStateLabelsSayWhatTheyShow() {
        QCOMPARE(accessibleName(form->TownToFindLabel), QString("Town to find"));
        QCOMPARE(accessibleName(form->HotSpotLabel), QString("Town clicked: Unknown"));
        QCOMPARE(accessibleName(form->ProgressBar), QString("Time left"));
        QCOMPARE(accessibleName(form->NationHyperImages), QString("Map of the nation"));
        QCOMPARE(accessibleName(form->RegionsHyperImages), QString("Map of the region"));
    }

    void theTownToFindIsAnnounced() {
        form->StartButton->click();
        const QString town = form->TownToFindLabel->text();
        QVERIFY(!town.isEmpty());
        QCOMPARE(accessibleName(form->TownToFindLabel), "Town to find: " + town);
        // Choosing another town of the session names that one.
        const QList<QRadioButton*> buttons = form->RadioGroup->findChildren<QRadioButton*>();
        QVERIFY(buttons.size() > 1);
        QRadioButton* other = nullptr;
        for (QRadioButton* b : buttons)
            if (b->text() != town)
                other = b;
        QVERIFY(other);
        QCOMPARE(accessibleName(other), other->text());
        other->click();
        QCOMPARE(form->TownToFindLabel->text(), other->text());
        QCOMPARE(accessibleName(form->TownToFindLabel), "Town to find: " + other->text());
    }

    void theTimeLeftIsAnnounced() {
        form->StartButton->click();
        QAccessibleInterface* bar = accessible(form->ProgressBar);
        QVERIFY(bar && bar->valueInterface());
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), 100);
        QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 100);
        form->TimerTimer();
        const int left = form->ProgressBar->value();
        QVERIFY(left < 100);
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), left);
        QVERIFY2(bar->text(QAccessible::Value).contains(QString::number(left)),
                 qPrintable(bar->text(QAccessible::Value)));
    }

    void theMapsNameTheirPictures() {
        QAccessibleInterface* nation = accessible(form->NationHyperImages);
        QAccessibleInterface* regions = accessible(form->RegionsHyperImages);
        QVERIFY(nation && regions);
        QCOMPARE(nation->role(), QAccessible::Graphic);
        // Its children are the places the keyboard selects; the paint area is part of the picture.
        QCOMPARE(nation->childCount(), 5);
        QVERIFY2(nation->text(QAccessible::Description).endsWith("Picture on show: Italia."),
                 qPrintable(nation->text(QAccessible::Description)));
        QVERIFY2(regions->text(QAccessible::Description).endsWith("Picture on show: Padania."),
                 qPrintable(regions->text(QAccessible::Description)));
        // The layout's description comes first.
        QVERIFY(nation->text(QAccessible::Description)
                    .startsWith(form->NationHyperImages->accessibleDescription()));

        // A region clicked on the nation map: the region map names its new picture.
        form->PageControl->setActivePage(form->Nation);
        const QHash<QString, QPoint> parts = clickablePoints(form->NationHyperImages);
        QVERIFY(parts.contains("Sicilia"));
        QTest::mouseClick(form->NationHyperImages->PaintArea(), Qt::LeftButton, {},
                          parts["Sicilia"]);
        QCOMPARE(form->RegionsHyperImages->PictureFilename(), QString("Sicilia.bmp"));
        QVERIFY2(regions->text(QAccessible::Description).endsWith("Picture on show: Sicilia."),
                 qPrintable(regions->text(QAccessible::Description)));
    }

    void theTownClickedIsAnnounced() {
        form->StartButton->click();
        form->PageControl->setActivePage(form->Nation);
        const QHash<QString, QPoint> parts = clickablePoints(form->NationHyperImages);
        QTest::mouseClick(form->NationHyperImages->PaintArea(), Qt::LeftButton, {},
                          parts["Padania"]);
        // A town of the map that this session does not ask: a wrong answer, the label stays.
        QStringList asked;
        for (QRadioButton* b : form->RadioGroup->findChildren<QRadioButton*>())
            asked << b->text();
        const QHash<QString, QPoint> towns = clickablePoints(form->RegionsHyperImages);
        QString town;
        for (auto it = towns.begin(); it != towns.end() && town.isEmpty(); ++it)
            if (!asked.contains(it.key()))
                town = it.key();
        QVERIFY(!town.isEmpty());
        QTest::mouseClick(form->RegionsHyperImages->PaintArea(), Qt::LeftButton, {}, towns[town]);
        QCOMPARE(form->HotSpotLabel->text(), town);
        QCOMPARE(accessibleName(form->HotSpotLabel), "Town clicked: " + town);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
