// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UQuesiti.h"

#include "QuizRandom.h"
#include "QuizState.h"
#include "TownComparison.h"

#include <algorithm>
#include <vector>

namespace {

// How many different towns the list offers that the radio group does not hold yet: the draw
// stops there, where it would otherwise look for a new town for ever.
std::int32_t townsLeftToDraw(const TTownList& towns, const TQuestionList& radioGroup) {
    std::vector<QString> distinct;
    for (int i = 0; i < towns.count(); ++i) {
        const QString town = towns.itemText(i);
        const auto same = [&](const QString& other) { return SameTownName(town, other); };
        if (std::none_of(distinct.begin(), distinct.end(), same))
            distinct.push_back(town);
    }
    std::int32_t left = 0;
    for (const QString& town : distinct) {
        bool held = false;
        for (int i = 0; i < radioGroup.count() && !held; ++i)
            held = SameTownName(radioGroup.itemText(i), town);
        left += held ? 0 : 1;
    }
    return left;
}

} // namespace

TSession::TSession(TQuestionList& radioGroup, const TTownList& towns)
    : questionList(&radioGroup), total(QuestionCount),
      remaining(static_cast<std::int16_t>(QuestionCount)) {
    // An empty list is drawn from all the same, so that reading its item 0 reports the error.
    const std::int32_t drawable = towns.count() == 0
                                      ? QuestionCount
                                      : std::min(QuestionCount, townsLeftToDraw(towns, radioGroup));
    for (std::int32_t turn = 0; turn < drawable; ++turn) {
        QString town;
        do
            town = RandomTown(towns);
        while (holds(town));
        questionList->append(town);
    }
    if (drawable < QuestionCount) {
        total = drawable;
        remaining = static_cast<std::int16_t>(drawable);
    }
    questionList->setItemIndex(0);
}

TSession::TSession(TQuestionList& radioGroup, const QStringList& drawn)
    : questionList(&radioGroup), total(std::int32_t(drawn.size())),
      remaining(static_cast<std::int16_t>(drawn.size())) {
    for (const QString& town : drawn)
        questionList->append(town);
    questionList->setItemIndex(0);
}

QString TSession::RandomTown(const TTownList& towns) {
    const std::int64_t giveUpAfter = 10 * std::int64_t(QuestionCount);
    std::int64_t attempts = 0;
    QString town;
    for (;;) {
        const int k = ProgramRandom.Random(towns.count());
        ++attempts;
        town = towns.itemText(k);
        if (!towns.selected(k) || attempts > giveUpAfter)
            return town;
    }
}

QString TSession::NextTown() {
    if (remaining <= 0)
        return {};
    SelectNextOpen();
    return questionList->itemText(questionList->itemIndex());
}

void TSession::MarkFound() {
    questionList->setItemEnabled(questionList->itemIndex(), false);
    remaining = static_cast<std::int16_t>(remaining - 1);
}

void TSession::SelectNextOpen() {
    // Total is the number of towns asked for, or fewer when the town list ran out: it is the
    // number of items either way.
    std::int16_t steps = static_cast<std::int16_t>(total);
    do {
        if (questionList->itemIndex() >= total - 1)
            questionList->setItemIndex(-1);
        questionList->setItemIndex(questionList->itemIndex() + 1);
        --steps;
    } while (!questionList->itemEnabled(questionList->itemIndex()) && steps >= 0);
}

bool TSession::holds(const QString& town) const {
    for (int i = 0; i < questionList->count(); ++i) {
        if (SameTownName(questionList->itemText(i), town))
            return true;
    }
    return false;
}
