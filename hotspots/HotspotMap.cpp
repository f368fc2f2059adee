// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotspotMap.h"

#include <QLocale>
#include <algorithm>

HotspotDefinitionList::HotspotDefinitionList() : collator(QLocale::system()) {
    collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int HotspotDefinitionList::compare(const QString& a, const QString& b) const {
    return collator.compare(a, b);
}

bool HotspotDefinitionList::add(const QString& line) {
    auto at = std::lower_bound(
        items.begin(), items.end(), line,
        [this](const QString& item, const QString& value) { return compare(item, value) < 0; });
    if (at != items.end() && compare(*at, line) == 0)
        return false;
    items.insert(at, line);
    return true;
}

void HotspotDefinitionList::assign(const QStringList& lines) {
    items.clear();
    items.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        add(line);
}

QStringList HotspotDefinitionList::lines() const {
    return QStringList(items.begin(), items.end());
}

void HotspotMap::BuildRegions(const QString& fileName) {
    for (int i = 0; i < defs.count(); ++i) {
        const QString& line = defs.at(i);
        if (PictureOfDefinition(line) != fileName)
            continue;
        activeHotspots.push_back({CreateHotspotRegion(ParseHotspot(line)), i, line});
    }
}

void HotspotMap::DeleteRegions() {
    activeHotspots.clear();
}

int HotspotMap::hitIndex(std::int32_t x, std::int32_t y, std::int32_t scale) const {
    if (scale == 0)
        return -1;
    const std::int64_t px = toPicture(x, scale);
    const std::int64_t py = toPicture(y, scale);
    for (std::size_t i = 0; i < activeHotspots.size(); ++i) {
        if (PtInRegion(activeHotspots[i].region, px, py))
            return int(i);
    }
    return -1;
}

bool HotspotMap::HotspotAt(std::int32_t x, std::int32_t y, std::int32_t scale,
                           QString& name) const {
    const int index = hitIndex(x, y, scale);
    if (index < 0)
        return false;
    name = nameOfActive(index);
    return true;
}

QString HotspotMap::nameOfActive(int index) const {
    return SplitDefinition(activeHotspots[std::size_t(index)].definition).name;
}
