// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizControls.h"
#include "RadioGroup.h"

#include <QListWidget>

// The radio group "Towns" as the quiz session sees it.
class RadioGroupQuestions final : public TQuestionList {
public:
    explicit RadioGroupQuestions(TRadioGroup& group) : group(group) {}
    int count() const override { return group.count(); }
    QString itemText(int index) const override {
        check(index);
        return group.item(index);
    }
    void append(const QString& text) override { group.addItem(text); }
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
};

// The town list box as the draw sees it: a selected item is a disliked town.
class ListBoxTowns final : public TTownList {
public:
    explicit ListBoxTowns(const QListWidget& list) : list(list) {}
    int count() const override { return list.count(); }
    QString itemText(int index) const override {
        if (index < 0 || index >= list.count())
            throw ListIndexError(index);
        return list.item(index)->text();
    }
    bool selected(int index) const override {
        return index >= 0 && index < list.count() && list.item(index)->isSelected();
    }

private:
    const QListWidget& list;
};
