// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether two town names are the same town: equal without regard to letter case, by the
// system locale's collation, as the town list is built. Used wherever a list must not hold a
// town twice.
bool SameTownName(const QString& a, const QString& b);
