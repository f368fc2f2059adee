// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizControls.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// One quiz session: the towns the player is to find, and which of them are still open. It
// keeps no list of its own: the towns are the items of the radio group, in the order drawn,
// the selected item is the current question and a disabled item is a found town.
class TSession {
public:
    // Draws QuestionCount distinct towns (names equal without regard to case count as one)
    // from the town list into the radio group, which must be empty, then selects item 0, which
    // raises the group's click event once. When the list holds fewer distinct towns than
    // that, every one of them is drawn and the session is that much shorter. An empty town
    // list raises "List index out of bounds (0)".
    TSession(TQuestionList& radioGroup, const TTownList& towns);
    // A session of towns drawn elsewhere (the practice draw), in their order: appended to the
    // radio group, which must be empty, then item 0 selected as above. Everything else is as
    // for a session of the rules' draw.
    TSession(TQuestionList& radioGroup, const QStringList& drawn);
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    // One draw, avoiding disliked towns: gives up after ten tries per question (plus one) and
    // then returns the disliked town of the last try.
    QString RandomTown(const TTownList& towns);

    // Moves the selection to the next open town and returns its name; the empty text, with
    // the selection left where it is, when no town remains.
    QString NextTown();

    // Marks the selected town as found; the selection stays on it until NextTown.
    void MarkFound();

    // Moves the selection forward, wrapping around, to the next enabled item (the starting
    // item being the last candidate). Every item passed over is selected on the way and
    // raises the click event; with no item enabled it stops on the item after the start.
    void SelectNextOpen();

    TQuestionList& QuestionList() const { return *questionList; }
    std::int32_t Total() const { return total; }
    std::int16_t Remaining() const { return remaining; }

private:
    bool holds(const QString& town) const;

    TQuestionList* questionList; // not owned
    std::int32_t total;
    std::int16_t remaining; // 16 bits, as the session has always counted
};
