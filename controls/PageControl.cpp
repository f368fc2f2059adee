// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (!settingByCode)
            emit OnChange(this);
    });
}

void TPageControl::setActivePage(QWidget* page) {
    settingByCode = true;
    setCurrentWidget(page);
    settingByCode = false;
}

void TPageControl::SelectNextPage(bool forward) {
    const int n = count();
    if (n == 0)
        return;
    const int next = ((currentIndex() + (forward ? 1 : -1)) % n + n) % n;
    setCurrentIndex(next); // with one page nothing changes and nothing is raised
}

void TPageControl::setTabSize(int width, int height) {
    // The style sheet's box has no padding, border or margin: its size is the tab's.
    tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; height: %2px; padding: 0; margin: 0; }")
            .arg(width)
            .arg(height));
}

QRect TPageControl::pageArea() const {
    tabBar()->ensurePolished(); // the tab size comes from the style sheet
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
}
