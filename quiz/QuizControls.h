// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Error.h"

#include <QCoreApplication>
#include <QString>

// The two controls a quiz session works on, as the session relies on them. The main window
// adapts its real widgets to these; tests use plain in-memory ones.

// The list controls' index error, "List index out of bounds (%d)".
inline TerravaError ListIndexError(int index) {
    return TerravaError(
        QCoreApplication::translate("QuizControls", "List index out of bounds (%1)").arg(index));
}

// The radio group "Towns": the session's towns as items, one radio button each, created
// enabled. ItemIndex is clamped to -1 ... count - 1 (-1 selects nothing). Selecting an item,
// by the player or by setItemIndex, raises the group's click event after ItemIndex has
// changed, also for a disabled item; setting -1, or the index already selected, raises
// nothing. Clearing the items leaves nothing selected. Reading the text or the enabled state
// of an index out of range raises ListIndexError.
class TQuestionList {
public:
    virtual ~TQuestionList() = default;

    virtual int count() const = 0;
    virtual QString itemText(int index) const = 0;
    virtual void append(const QString& text) = 0;
    virtual void clear() = 0;

    virtual int itemIndex() const = 0;
    virtual void setItemIndex(int index) = 0;

    virtual bool itemEnabled(int index) const = 0;
    virtual void setItemEnabled(int index, bool enabled) = 0;
};

// The list box of towns: one item per distinct town name; a selected item is a town the
// player dislikes. An index out of range raises ListIndexError.
class TTownList {
public:
    virtual ~TTownList() = default;

    virtual int count() const = 0;
    virtual QString itemText(int index) const = 0;
    virtual bool selected(int index) const = 0;
};
