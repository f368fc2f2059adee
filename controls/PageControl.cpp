// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageControl.h"

#include <QAccessible>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        // The tab left behind was focused while the tab bar had the focus: say it no longer is.
        if (tabBar()->hasFocus())
            tabFocusChanged(focusedTab);
        focusedTab = index;
        if (!settingByCode)
            emit OnChange(this);
    });
    tabBar()->installEventFilter(this);
}

bool TPageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        tabFocusChanged(currentIndex());
    return QTabWidget::eventFilter(watched, event);
}

// Qt tells assistive technology when a tab gains the focus, but not when it loses it: the
// current tab would stay "focused" for a screen reader once the focus has gone elsewhere.
void TPageControl::tabFocusChanged(int index) {
    if (!QAccessible::isActive() || index < 0)
        return;
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabBar());
    if (QAccessibleInterface* tab = bar ? bar->child(index) : nullptr) {
        QAccessible::State changed;
        changed.focused = true;
        QAccessibleStateChangeEvent event(tab, changed);
        QAccessible::updateAccessibility(&event);
    }
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
