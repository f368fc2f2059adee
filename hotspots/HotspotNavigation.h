// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HotspotMap.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <optional>
#include <vector>

// Where a map's keyboard selection goes. Pure geometry on the hotspots' centres, in picture
// coordinates, so that it can be checked on every picture of the content without a window.

// One hotspot that the keyboard can mark: one with at least one pixel that a click would
// report as it (a hotspot wholly covered by one earlier in the list cannot be clicked either).
struct HotspotPlace {
    int hotspot = -1; // position in the active hotspots
    double x = 0;     // the centre of its clickable pixels
    double y = 0;
    QRect box; // the bounding box of its clickable pixels, right and bottom edges outside
};

// The places of the picture on show, in the order of the active hotspots; only the pixels within
// the picture (0, 0)-(width, height) count, as no click lands outside it.
std::vector<HotspotPlace> HotspotPlaces(const HotspotMap& map, int width, int height);

// A point of the paint area shown at scale percent where a click hits exactly this place's
// hotspot, as near its centre as can be; none when no point of the area shows it.
std::optional<QPoint> PressPoint(const HotspotMap& map, const HotspotPlace& place, int scale);

enum class NavigationKey { Left, Right, Up, Down, Home, End };

// The moves between places. An arrow goes to the place ahead in its direction whose centre
// scores least, the distance along the direction plus twice the distance across it, looking
// first within the quarter-plane ahead (at most 45 degrees off) and then within the half-plane;
// with nothing ahead the selection stays. Home and End go to the first and last place in
// reading order (by rows from the top, each row from the left), which says nothing of names.
//
// Such nearest-ahead moves may leave a place that no sequence of arrows reaches (a small town
// tucked beside a bigger one). A picture where they would is given moves that always reach
// everything instead: Left and Right step through the places ordered by x, Up and Down by y.
class HotspotNavigation {
public:
    HotspotNavigation() = default;
    explicit HotspotNavigation(const std::vector<HotspotPlace>& places);

    int count() const { return int(moves.size()); }
    // The place a key leads to from the place from; from -1 every key leads to the first.
    int next(int from, NavigationKey key) const;
    // Where a place stands in reading order, from 0.
    int readingPosition(int place) const { return reading[std::size_t(place)]; }
    // False when the picture's arrows follow the ordered fallback.
    bool followsNearest() const { return nearest; }

private:
    std::vector<std::array<int, 4>> moves; // Left, Right, Up, Down; -1 stays
    std::vector<int> order;                // places in reading order
    std::vector<int> reading;              // the inverse of order
    bool nearest = true;
};

// True when every place can reach every other along the given moves.
bool AllReachable(const std::vector<std::array<int, 4>>& moves);
