// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TownKnowledge.h"

#include <QStringList>
#include <cstdint>
#include <vector>

// The towns of a practice session, drawn from the player's record by Leitner's rule: a town in
// box b is due in every 2^(b-1)th session of the player (box 1 in every session, box 2 in every
// other one, ...), counted from the last session that asked it; a town never answered is always
// due.
//
// Due towns come first: those missed last time (most misses first), then new towns, then the
// higher boxes in turn; within each, the town asked longest ago first. Towns not due follow,
// the most overdue first. Ties are broken by the seed, and the towns chosen are asked in an
// order shuffled by it: the same record, list and seed always give the same session.
//
// towns holds the town list, one entry per item in its order (as townKnowledge gives it);
// disliked says which of them the player dislikes. Disliked towns are left out; only when too
// few others remain do they fill the session up, as the rules' own draw does. The session has
// count towns, or every town of the list when it holds fewer.
QStringList practiceTowns(const QList<TownKnowledge>& towns, const std::vector<bool>& disliked,
                          int count, std::uint32_t seed);

// The same, read from the record. With the record off it draws as for a new player.
QStringList practiceTowns(ProgressDatabase& db, const QString& player, const QStringList& towns,
                          const std::vector<bool>& disliked, int count, std::uint32_t seed);
