// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotspotDefinition.h"

#include <QCollator>
#include <QString>
#include <QStringList>
#include <vector>

// The sorted definition lines of a map: ascending by a case-insensitive, locale-aware
// comparison of whole lines; a line equal to one already held (ignoring case) is not added.
class HotspotDefinitionList {
public:
    HotspotDefinitionList();

    // Inserts under the sorting and duplicate rule; returns false when the line was a
    // duplicate.
    bool add(const QString& line);
    void assign(const QStringList& lines);
    void clear() { items.clear(); }

    int count() const { return int(items.size()); }
    const QString& at(int index) const { return items[std::size_t(index)]; }
    QStringList lines() const;
    int compare(const QString& a, const QString& b) const;

private:
    QCollator collator;
    std::vector<QString> items;
};

struct ActiveHotspot {
    RegionHandle region; // no region when the line yields none
    int line = -1;       // position in the definition list when it was built
    QString definition;  // the line itself: names stay right if the list changes meanwhile
};

// The hotspots of all pictures of one map, and the regions of the picture on show. Free of
// widgets, so that the rules can be tested and measured alone; the map component owns one.
class HotspotMap {
public:
    HotspotDefinitionList& definitions() { return defs; }
    const HotspotDefinitionList& definitions() const { return defs; }
    const std::vector<ActiveHotspot>& active() const { return activeHotspots; }

    // Appends the regions of every line whose picture part is exactly fileName. Stops at the
    // first line that fails to parse and passes its error on; the entries before it stay.
    void BuildRegions(const QString& fileName);

    // Releases every region and empties the list. Regions here are values, so their release
    // cannot fail.
    void DeleteRegions();

    // The position in active() of the first hotspot holding the picture-area point (x, y)
    // shown at scale percent, or -1.
    int hitIndex(std::int32_t x, std::int32_t y, std::int32_t scale) const;

    // True with name set to the hotspot's name when an active hotspot holds the point; false
    // with name untouched otherwise.
    bool HotspotAt(std::int32_t x, std::int32_t y, std::int32_t scale, QString& name) const;

    QString nameOfActive(int index) const;

private:
    HotspotDefinitionList defs;
    std::vector<ActiveHotspot> activeHotspots;
};

// Picture-area to picture coordinates: v * 100 / scale, truncated toward zero.
inline std::int64_t toPicture(std::int32_t v, std::int32_t scale) {
    return std::int64_t(v) * 100 / scale;
}
