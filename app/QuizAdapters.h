// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizControls.h"
#include "RadioGroup.h"
#include "TownSpellings.h"

#include <QListWidget>

// The list items' role that holds a town's name where the item shows its spelling.
constexpr int TownNameRole = Qt::UserRole;

// The town of a list item: its name, or its text where it holds none.
inline QString TownOfItem(const QListWidgetItem& item) {
    const QVariant name = item.data(TownNameRole);
    return name.isValid() ? name.toString() : item.text();
}

// The radio group "Towns" as the quiz session sees it: the items are the towns' names, their
// buttons show the towns' spellings.
class RadioGroupQuestions final : public TQuestionList {
public:
    RadioGroupQuestions(TRadioGroup& group, const TownSpellings& spellings)
        : group(group), spellings(spellings) {}
    int count() const override { return group.count(); }
    QString itemText(int index) const override {
        check(index);
        return group.item(index);
    }
    void append(const QString& text) override { group.addItem(text, spellings.shown(text)); }
    void clear() override { group.clear(); }
    int itemIndex() const override { return group.ItemIndex(); }
    void setItemIndex(int index) override { group.setItemIndex(index); }
    bool itemEnabled(int index) const override {
        check(index);
        return group.itemEnabled(index);
    }
    void setItemEnabled(int index, bool enabled) override {
        check(index);
        group.setItemEnabled(index, enabled);
    }

private:
    void check(int index) const {
        if (index < 0 || index >= group.count())
            throw ListIndexError(index);
    }

    TRadioGroup& group;
    const TownSpellings& spellings;
};

// The town list box as the draw sees it: a selected item is a disliked town.
class ListBoxTowns final : public TTownList {
public:
    explicit ListBoxTowns(const QListWidget& list) : list(list) {}
    int count() const override { return list.count(); }
    QString itemText(int index) const override {
        if (index < 0 || index >= list.count())
            throw ListIndexError(index);
        return TownOfItem(*list.item(index));
    }
    bool selected(int index) const override {
        return index >= 0 && index < list.count() && list.item(index)->isSelected();
    }

private:
    const QListWidget& list;
};
