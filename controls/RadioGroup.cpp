// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioGroup.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QRadioButton>

// One item's button: its whole row answers the mouse, and the arrow keys move the group's
// selection rather than the focus alone.
class TownButton final : public QRadioButton {
public:
    TownButton(const QString& text, TRadioGroup* group) : QRadioButton(text, group), group(group) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void keyPressEvent(QKeyEvent* event) override {
        int step = 0;
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            QRadioButton::keyPressEvent(event);
            return;
        }
        const auto at = std::find(group->buttons.begin(), group->buttons.end(), this);
        const int next = group->nextOpen(int(at - group->buttons.begin()), step);
        if (next >= 0)
            group->choose(next, Qt::OtherFocusReason);
    }

private:
    TRadioGroup* group;
};

namespace {

// A town's button as assistive technology sees it: a radio button (the group keeps the
// selection itself, so Qt would take the button for a check box), checked when it is the
// town to find, and described as found once it is.
class TownButtonAccessible final : public QAccessibleWidget {
public:
    explicit TownButtonAccessible(QRadioButton* b)
        : QAccessibleWidget(b, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) // not the group's caption, which Qt would take
            return button()->accessibleName().isEmpty() ? button()->text()
                                                        : button()->accessibleName();
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Description && !button()->isEnabled())
            return TRadioGroup::tr("found");
        return own;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return button()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && button()->isEnabled())
            button()->click();
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* townButtonFactory(const QString& key, QObject* object) {
    auto* b = qobject_cast<QRadioButton*>(object);
    if (key == QLatin1String("QRadioButton") && b && qobject_cast<TRadioGroup*>(b->parent()))
        return new TownButtonAccessible(b);
    return nullptr;
}

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(townButtonFactory);
        return true;
    }();
    (void)accessible;
    // Until it holds buttons the group itself is the stop, so that the layout's tab order can
    // place it; its buttons then take that place.
    setFocusPolicy(Qt::TabFocus);
}

QString TRadioGroup::item(int index) const {
    return index >= 0 && index < count() ? items[index] : QString();
}

void TRadioGroup::addItem(const QString& text) {
    addItem(text, text);
}

void TRadioGroup::addItem(const QString& text, const QString& shown) {
    items << text;
    auto* b = new TownButton(shown, this);
    b->setAutoExclusive(false); // the group keeps the selection itself, -1 included
    if (testAttribute(Qt::WA_SetStyle))
        b->setStyle(style()); // a style given to the group is its buttons' too
    connect(b, &QRadioButton::clicked, this, [this, b] {
        const auto at = std::find(buttons.begin(), buttons.end(), b);
        choose(int(at - buttons.begin()), Qt::MouseFocusReason);
        showSelection(); // a click on the selected button must not uncheck it
    });
    // New buttons join the focus chain right behind the group, in item order, so that the
    // one that takes the focus stands where the group stands.
    QWidget* before = buttons.empty() ? static_cast<QWidget*>(this) : buttons.back();
    const Qt::FocusPolicy policy = before->focusPolicy();
    before->setFocusPolicy(Qt::TabFocus);
    b->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(before, b);
    before->setFocusPolicy(policy);
    setFocusPolicy(Qt::NoFocus);
    buttons.push_back(b);
    b->show();
    arrange();
    updateTabStop();
}

void TRadioGroup::clear() {
    for (QRadioButton* b : buttons)
        delete b;
    buttons.clear();
    items.clear();
    itemIndex = -1;
}

void TRadioGroup::setItemIndex(int index) {
    index = std::clamp(index, -1, count() - 1);
    if (index == itemIndex)
        return;
    itemIndex = index;
    showSelection();
    updateTabStop();
    if (itemIndex >= 0)
        emit OnClick(this);
}

void TRadioGroup::choose(int index, Qt::FocusReason reason) {
    const bool hadFocus = isAncestorOf(QApplication::focusWidget()) || hasFocus();
    setItemIndex(index);
    if ((hadFocus || reason == Qt::MouseFocusReason) && index >= 0 && index < count())
        buttons[std::size_t(index)]->setFocus(reason);
}

bool TRadioGroup::itemEnabled(int index) const {
    return index >= 0 && index < count() && buttons[std::size_t(index)]->isEnabled();
}

void TRadioGroup::setItemEnabled(int index, bool enabled) {
    if (index >= 0 && index < count()) {
        buttons[std::size_t(index)]->setEnabled(enabled);
        updateTabStop();
        QAccessibleEvent event(buttons[std::size_t(index)], QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

int TRadioGroup::nextOpen(int from, int step) const {
    const int n = count();
    for (int i = 1; i <= n; ++i) {
        const int at = ((from + step * i) % n + n) % n;
        if (itemEnabled(at))
            return at;
    }
    return -1;
}

void TRadioGroup::updateTabStop() {
    // Only one button takes the focus: the selected one when it is open, else the first open.
    const int stop = itemEnabled(itemIndex) ? itemIndex : nextOpen(-1, 1);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setFocusPolicy(int(i) == stop ? Qt::StrongFocus : Qt::NoFocus);
}

void TRadioGroup::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    const int stop = itemEnabled(itemIndex) ? itemIndex : nextOpen(-1, 1);
    if (stop >= 0)
        buttons[std::size_t(stop)]->setFocus(event->reason());
    else if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        focusNextPrevChild(event->reason() == Qt::TabFocusReason); // nothing to choose: pass on
}

void TRadioGroup::showSelection() {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(int(i) == itemIndex);
}

std::vector<TRadioGroup::ButtonPlace> TRadioGroup::placeButtons(int n, int groupHeight,
                                                                int lineHeight) {
    std::vector<ButtonPlace> places;
    if (n <= 0)
        return places;
    const int free = groupHeight - lineHeight - 5;
    const int height = free / n;
    int top = lineHeight + 1 + (free % n) / 2;
    for (int i = 0; i < n; ++i, top += height)
        places.push_back({top, height});
    return places;
}

int TRadioGroup::lineHeight() const {
    return QFontMetrics(font()).height();
}

void TRadioGroup::arrange() {
    const auto places = placeButtons(count(), height(), lineHeight());
    for (std::size_t i = 0; i < places.size(); ++i)
        buttons[i]->setGeometry(8, places[i].top, width() - 10, places[i].height);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    arrange();
}

void TRadioGroup::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrange();
}
