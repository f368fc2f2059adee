// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerViews.h"

#include "AccessibleCaption.h"
#include "ProgressBar.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AnswerViews)
};

QProgressBar* mirror(QWidget* page, TProgressBar* clock, const QRect& place, const char* name) {
    auto* view = new QProgressBar(page);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(place);
    view->setRange(clock->minimum(), clock->maximum());
    view->setValue(clock->value());
    view->setTextVisible(false);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(Text::tr("Time left"));
    view->setAccessibleDescription(Text::tr("How much time is left to find the town"));
    QObject::connect(clock, &QProgressBar::valueChanged, view, &QProgressBar::setValue);
    return view;
}
} // namespace

AnswerViews::AnswerViews(QWidget* nation, QWidget* regions, TProgressBar* clock) {
    // Below the author's line on the Nation page, and in the strip between "That town is " and
    // the town clicked on the Regions page: places the layout leaves free.
    NationTimeView = mirror(nation, clock, QRect(480, 488, 281, 10), "NationTimeView");
    RegionsTimeView = mirror(regions, clock, QRect(440, 488, 220, 10), "RegionsTimeView");
    RegionsTownView = new QLabel(regions);
    RegionsTownView->setObjectName(QStringLiteral("RegionsTownView"));
    RegionsTownView->move(232, 480);
    RegionsTownView->setAccessibleName(Text::tr("Town to find"));
    RegionsTownView->setAccessibleDescription(Text::tr("The name of the town to find on the map"));
    showTownToFind(QString());
}

void AnswerViews::showTownToFind(const QString& town) {
    RegionsTownView->setText(town.isEmpty() ? QString() : Text::tr("Find: %1").arg(town));
    RegionsTownView->adjustSize();
    UpdateAccessibleCaption(RegionsTownView);
}
