// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TownSpellings.h"

// The spelling the review and progress views show for a town, from the content's town table,
// read once; a town the table does not spell keeps its name.
QString Spelt(const QString& town);
