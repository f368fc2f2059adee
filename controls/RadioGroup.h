// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QRadioButton;

// A captioned group of radio buttons, one per item, each of which can be disabled by itself.
// ItemIndex is clamped to -1 ... count - 1; selecting an item, by the player or by code, raises
// OnClick after ItemIndex has changed, but setting -1 or the index already selected raises
// nothing. The buttons share the group's height evenly in one column.
//
// The group is one stop in the tab order, where the group itself stands: the focus goes to the
// selected button, or to the first open one when the selected one is disabled or none is.
// The arrow keys move the selection among the open buttons, wrapping around; a click anywhere
// on a button's row chooses it.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    int count() const { return int(items.size()); }
    QString item(int index) const;
    QStringList Items() const { return items; }
    void addItem(const QString& text);
    // An item whose button shows another text than the item's own: the town's spelling.
    void addItem(const QString& text, const QString& shown);
    void clear();

    int ItemIndex() const { return itemIndex; }
    void setItemIndex(int index);

    bool itemEnabled(int index) const;
    void setItemEnabled(int index, bool enabled);
    QRadioButton* button(int index) const { return buttons[std::size_t(index)]; }

    // Where the buttons go for n items in a group of the given size with a text line of
    // lineHeight pixels: each button's top and height.
    struct ButtonPlace {
        int top;
        int height;
    };
    static std::vector<ButtonPlace> placeButtons(int n, int groupHeight, int lineHeight);

    // The open button after (step 1) or before (step -1) the given index, wrapping around;
    // -1 when no button is open.
    int nextOpen(int from, int step) const;

signals:
    void OnClick(QObject* Sender);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class TownButton;
    void arrange();
    void showSelection();
    void updateTabStop();
    void choose(int index, Qt::FocusReason reason);
    int lineHeight() const;

    QStringList items;
    std::vector<QRadioButton*> buttons;
    int itemIndex = -1;
};
