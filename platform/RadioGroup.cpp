#include "RadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

QString TRadioGroup::item(int index) const {
    return index >= 0 && index < count() ? items[index] : QString();
}

void TRadioGroup::addItem(const QString& text) {
    items << text;
    auto* b = new QRadioButton(text, this);
    b->setAutoExclusive(false); // the group keeps the selection itself, -1 included
    connect(b, &QRadioButton::clicked, this, [this, b] {
        const auto at = std::find(buttons.begin(), buttons.end(), b);
        setItemIndex(int(at - buttons.begin()));
        showSelection(); // a click on the selected button must not uncheck it
    });
    buttons.push_back(b);
    b->show();
    arrange();
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
    if (itemIndex >= 0)
        emit OnClick(this);
}

bool TRadioGroup::itemEnabled(int index) const {
    return index >= 0 && index < count() && buttons[std::size_t(index)]->isEnabled();
}

void TRadioGroup::setItemEnabled(int index, bool enabled) {
    if (index >= 0 && index < count())
        buttons[std::size_t(index)]->setEnabled(enabled);
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
