// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeDraw.h"

#include <algorithm>
#include <limits>
#include <random>
#include <tuple>

namespace {

// The sessions a town in the box may rest before it is asked again.
int restOfBox(int box) {
    return box <= 1 ? 1 : 1 << (box - 1);
}

// Where a town stands in the draw: lower comes first.
struct Rank {
    bool disliked;
    bool notDue;
    double rest; // due towns: the box's place; towns not due: how far from due, negated
    int misses;  // negated
    int since;   // sessions since asked, negated; never asked counts as longest
    std::uint32_t tie;

    bool operator<(const Rank& o) const {
        return std::tie(disliked, notDue, rest, misses, since, tie) <
               std::tie(o.disliked, o.notDue, o.rest, o.misses, o.since, o.tie);
    }
};

Rank rankOf(const TownKnowledge& k, bool disliked, std::uint32_t tie) {
    const int since =
        k.sessionsSinceAsked < 0 ? std::numeric_limits<int>::max() / 2 : k.sessionsSinceAsked;
    // The session being drawn is the (since + 1)th after the one that asked it last.
    const bool due = k.box == 0 || since + 1 >= restOfBox(k.box);
    // Missed towns, then new ones, then the boxes above.
    const double boxPlace = k.box == 0 ? 1.5 : double(k.box);
    const double rest = due ? boxPlace : -double(since + 1) / restOfBox(k.box);
    return {disliked, !due, rest, -k.missed, -since, tie};
}

} // namespace

QStringList practiceTowns(const QList<TownKnowledge>& towns, const std::vector<bool>& disliked,
                          int count, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::pair<Rank, qsizetype>> ranked;
    ranked.reserve(size_t(towns.size()));
    for (qsizetype i = 0; i < towns.size(); ++i) {
        const bool dislikedTown = size_t(i) < disliked.size() && disliked[size_t(i)];
        ranked.emplace_back(rankOf(towns[i], dislikedTown, std::uint32_t(generator())), i);
    }
    std::sort(ranked.begin(), ranked.end());
    // The same town may stand twice in a list (names equal but for letter case): once is
    // enough.
    QStringList chosen;
    for (const auto& [rank, index] : ranked) {
        if (chosen.size() >= count)
            break;
        if (!chosen.contains(towns[index].town, Qt::CaseInsensitive))
            chosen.append(towns[index].town);
    }
    // Fisher and Yates by hand: std::shuffle differs between standard libraries.
    for (qsizetype i = chosen.size() - 1; i > 0; --i)
        chosen.swapItemsAt(i, qsizetype(generator() % std::uint32_t(i + 1)));
    return chosen;
}

QStringList practiceTowns(ProgressDatabase& db, const QString& player, const QStringList& towns,
                          const std::vector<bool>& disliked, int count, std::uint32_t seed) {
    return practiceTowns(townKnowledge(db, player, towns), disliked, count, seed);
}
