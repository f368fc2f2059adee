// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizControls.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// The radio group in memory, with its click event raised as the real control raises it.
class MemoryQuestionList final : public TQuestionList {
public:
    std::function<void()> onClick;

    int count() const override { return int(items.size()); }
    QString itemText(int index) const override { return at(index).text; }
    void append(const QString& text) override { items.push_back({text, true}); }
    void clear() override {
        items.clear();
        selected = -1;
    }

    int itemIndex() const override { return selected; }
    void setItemIndex(int index) override {
        index = std::clamp(index, -1, count() - 1);
        if (index == selected)
            return;
        selected = index;
        if (selected >= 0 && onClick)
            onClick();
    }

    bool itemEnabled(int index) const override { return at(index).enabled; }
    void setItemEnabled(int index, bool enabled) override { at(index).enabled = enabled; }

    QStringList texts() const {
        QStringList all;
        for (const Item& item : items)
            all << item.text;
        return all;
    }

private:
    struct Item {
        QString text;
        bool enabled;
    };
    const Item& at(int index) const {
        if (index < 0 || index >= count())
            throw ListIndexError(index);
        return items[std::size_t(index)];
    }
    Item& at(int index) { return const_cast<Item&>(std::as_const(*this).at(index)); }

    std::vector<Item> items;
    int selected = -1;
};

// The list box of towns in memory; a selected item is a disliked town.
class MemoryTownList final : public TTownList {
public:
    explicit MemoryTownList(const QStringList& towns = {}) : towns(towns), disliked(towns.size()) {}

    int count() const override { return int(towns.size()); }
    QString itemText(int index) const override {
        check(index);
        return towns[index];
    }
    bool selected(int index) const override {
        check(index);
        return disliked[std::size_t(index)];
    }

    void setSelected(int index, bool dislike) {
        check(index);
        disliked[std::size_t(index)] = dislike;
    }
    void selectAll() { std::fill(disliked.begin(), disliked.end(), true); }

private:
    void check(int index) const {
        if (index < 0 || index >= count())
            throw ListIndexError(index);
    }

    QStringList towns;
    std::vector<bool> disliked;
};
