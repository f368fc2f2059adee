// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// A set of pixels given by a shape, with the edge convention of the maps' coordinates: the
// pixel (x, y) is the unit square [x, x+1) x [y, y+1), and it belongs to a shape when its
// centre (x + 0.5, y + 0.5) does. So a box from (x1, y1) to (x2, y2) holds x1 <= x < x2 and
// y1 <= y < y2, whatever the order of its corners.
//
// Curves (ellipses and rounded corners) are inscribed in the box shrunk by one pixel at the
// right and at the bottom, from (x1, y1) to (x2 - 1, y2 - 1), and take every pixel whose centre
// lies inside or on the curve. Polygons are filled by the even-odd rule; a centre that lies
// exactly on an edge belongs to the span on its right (the usual top-left rule), so a polygon
// with integer corners covers the same pixels as the region that the stored hotspots were drawn
// for. All of it is exact integer arithmetic.
//
// "No region" is not a Region: it is the empty std::optional of RegionHandle.
class Region {
public:
    struct Point {
        std::int32_t x = 0;
        std::int32_t y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };
    struct Span { // the pixels begin <= x < end of one row
        std::int64_t begin = 0;
        std::int64_t end = 0;
        friend bool operator==(const Span&, const Span&) = default;
    };

    static Region empty();
    static Region rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    static Region ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    static Region roundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            std::int32_t cornerWidth, std::int32_t cornerHeight);
    static Region polygon(const std::vector<Point>& corners);

    bool contains(std::int64_t x, std::int64_t y) const;
    void offset(std::int64_t dx, std::int64_t dy);
    bool isEmpty() const { return kind == Kind::Empty; }

    // The smallest box [left, right) x [top, bottom) that holds every pixel; all zero when
    // empty.
    std::int64_t left() const { return boxLeft + dx; }
    std::int64_t top() const { return boxTop + dy; }
    std::int64_t right() const { return boxRight + dx; }
    std::int64_t bottom() const { return boxBottom + dy; }

    // The runs of pixels on row y, left to right, adjacent runs merged; only those within
    // from <= x < to when a window is given.
    std::vector<Span> rowSpans(std::int64_t y) const;
    std::vector<Span> rowSpans(std::int64_t y, std::int64_t from, std::int64_t to) const;

private:
    enum class Kind { Empty, Rectangle, Ellipse, RoundRect, Polygon };

    Region() = default;
    bool containsLocal(std::int64_t x, std::int64_t y) const;
    bool insideCurvedBox(std::int64_t x, std::int64_t y) const;
    bool insidePolygon(std::int64_t x, std::int64_t y) const;
    void clampBoxToPixels();

    Kind kind = Kind::Empty;
    // The shape's box in its own coordinates; corners sorted. For curves it is the full box
    // (x2, y2 not yet reduced by one).
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int64_t cornerW = 0, cornerH = 0;
    std::vector<Point> corners;
    std::int64_t boxLeft = 0, boxTop = 0, boxRight = 0, boxBottom = 0;
    std::int64_t dx = 0, dy = 0;
};

using RegionHandle = std::optional<Region>;

// True when the point lies in the region; false for no region.
inline bool PtInRegion(const RegionHandle& region, std::int64_t x, std::int64_t y) {
    return region && region->contains(x, y);
}
