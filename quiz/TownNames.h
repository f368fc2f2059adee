#pragma once

#include <QString>

// Whether two town names are the same town: equal without regard to letter case, by Unicode
// case folding, the same in every locale. Used wherever a list must not hold a town twice.
inline bool SameTownName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}
