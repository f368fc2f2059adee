#include "PageControl.h"

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
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { width: %1px; height: %2px; }")
                                .arg(width - 4)
                                .arg(height - 4));
}
