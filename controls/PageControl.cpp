// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageControl.h"

#include "ItemAccessible.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

// One tab as assistive technology sees it. Qt's own tabs call the current tab focused whether
// or not the tab bar has the focus, so that a screen reader keeps a tab focused after the focus
// has gone elsewhere; this one is focused only while the bar has the focus.
class PageTabAccessible final : public ItemAccessible, public QAccessibleActionInterface {
public:
    PageTabAccessible(QTabBar* bar, int index) : bar(bar), index(index) {}

    bool isValid() const override { return bar && index < bar->count(); }
    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return bar->accessibleTabName(index).isEmpty() ? bar->tabText(index).remove('&')
                                                           : bar->accessibleTabName(index);
        return t == QAccessible::Description ? bar->tabToolTip(index) : QString();
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bar->tabRect(index);
        return QRect(bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s = ItemAccessible::state();
        if (isValid()) {
            s.disabled = !bar->isTabEnabled(index);
            s.invisible = s.invisible || !bar->isTabVisible(index);
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            bar->setCurrentIndex(index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QWidget* owner() const override { return bar; }
    bool isSelected() const override { return index == bar->currentIndex(); }

    QPointer<QTabBar> bar;
    int index;
};

class PageTabsAccessible final : public QAccessibleWidget {
public:
    explicit PageTabsAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~PageTabsAccessible() override {
        for (QAccessible::Id id : ids)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && tabs()->currentIndex() >= 0)
            return child(tabs()->currentIndex())->text(t);
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return tabs()->count(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount())
            return nullptr;
        while (int(ids.size()) <= i)
            ids.push_back(QAccessible::registerAccessibleInterface(
                new PageTabAccessible(tabs(), int(ids.size()))));
        return QAccessible::accessibleInterface(ids[std::size_t(i)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == c)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const int i = tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y)));
        return i >= 0 ? child(i) : nullptr;
    }

private:
    QTabBar* tabs() const { return static_cast<QTabBar*>(widget()); }
    mutable std::vector<QAccessible::Id> ids; // the pages keep their tabs for good
};

QAccessibleInterface* pageTabsFactory(const QString& key, QObject* object) {
    auto* bar = qobject_cast<QTabBar*>(object);
    if (key == QLatin1String("QTabBar") && bar && qobject_cast<TPageControl*>(bar->parent()))
        return new PageTabsAccessible(bar);
    return nullptr;
}

} // namespace

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(pageTabsFactory);
        return true;
    }();
    (void)accessible;
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        // The tab left behind was focused while the tab bar had the focus: say it no longer is.
        if (tabBar()->hasFocus())
            tabFocusChanged(focusedTab);
        focusedTab = index;
        if (!settingByCode)
            emit OnChange(this);
    });
    tabBar()->installEventFilter(this);
    // Ctrl+PgUp and Ctrl+PgDn turn the pages as Ctrl+Shift+Tab and Ctrl+Tab do, wherever the
    // focus is among them, as in the desktop's other tabbed windows.
    for (const auto& [key, forward] :
         {std::pair{Qt::Key_PageUp, false}, {Qt::Key_PageDown, true}}) {
        auto* turn = new QShortcut(QKeySequence(Qt::CTRL | key), this, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
        connect(turn, &QShortcut::activated, this, [this, forward] { SelectNextPage(forward); });
    }
}

bool TPageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        tabFocusChanged(currentIndex());
    return QTabWidget::eventFilter(watched, event);
}

// The current tab is focused only while the tab bar has the focus: say so when that changes.
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
