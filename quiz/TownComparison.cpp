// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TownComparison.h"

#include <QCollator>
#include <QLocale>

bool SameTownName(const QString& a, const QString& b) {
    // Made once: the system locale does not change while the program runs.
    static const QCollator collator = [] {
        QCollator made{QLocale::system()};
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return collator.compare(a, b) == 0;
}
