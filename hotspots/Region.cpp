// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Region.h"

#include <algorithm>

namespace {

using Wide = __int128;

// ceil(num / den) for den > 0.
std::int64_t ceilDiv(Wide num, Wide den) {
    Wide q = num / den;
    if (num % den != 0 && num > 0)
        ++q;
    return std::int64_t(q);
}

bool allCollinear(const std::vector<Region::Point>& corners) {
    if (corners.empty())
        return true;
    const Region::Point a = corners[0];
    std::size_t i = 1;
    while (i < corners.size() && corners[i] == a)
        ++i;
    if (i == corners.size())
        return true;
    const Region::Point b = corners[i];
    for (const Region::Point& c : corners) {
        const Wide cross = Wide(b.x - std::int64_t(a.x)) * (c.y - std::int64_t(a.y)) -
                           Wide(b.y - std::int64_t(a.y)) * (c.x - std::int64_t(a.x));
        if (cross != 0)
            return false;
    }
    return true;
}

} // namespace

Region Region::empty() {
    return Region();
}

Region Region::rectangle(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by) {
    Region r;
    r.x1 = std::min(ax, bx);
    r.x2 = std::max(ax, bx);
    r.y1 = std::min(ay, by);
    r.y2 = std::max(ay, by);
    if (r.x1 == r.x2 || r.y1 == r.y2)
        return empty();
    r.kind = Kind::Rectangle;
    r.boxLeft = r.x1;
    r.boxTop = r.y1;
    r.boxRight = r.x2;
    r.boxBottom = r.y2;
    return r;
}

Region Region::ellipse(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by) {
    // An ellipse is a rounded rectangle whose corner ellipse is the whole (shrunk) box.
    Region r = roundRect(ax, ay, bx, by, 0, 0);
    if (r.kind == Kind::Empty)
        return r;
    r.kind = Kind::Ellipse;
    r.cornerW = r.x2 - r.x1 - 1;
    r.cornerH = r.y2 - r.y1 - 1;
    return r;
}

Region Region::roundRect(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by,
                         std::int32_t cornerWidth, std::int32_t cornerHeight) {
    Region r;
    r.x1 = std::min(ax, bx);
    r.x2 = std::max(ax, bx);
    r.y1 = std::min(ay, by);
    r.y2 = std::max(ay, by);
    // The curve is inscribed in the box shrunk by one pixel at the right and bottom; a box of
    // one pixel or less on a side holds no pixel centre.
    const std::int64_t w = r.x2 - r.x1 - 1;
    const std::int64_t h = r.y2 - r.y1 - 1;
    if (w <= 0 || h <= 0)
        return empty();
    r.kind = Kind::RoundRect;
    r.cornerW = std::clamp<std::int64_t>(std::abs(std::int64_t(cornerWidth)), 0, w);
    r.cornerH = std::clamp<std::int64_t>(std::abs(std::int64_t(cornerHeight)), 0, h);
    if (r.cornerW == 0 || r.cornerH == 0)
        r.cornerW = r.cornerH = 0;
    r.clampBoxToPixels();
    return r;
}

Region Region::polygon(const std::vector<Point>& corners) {
    if (allCollinear(corners))
        return empty(); // fewer than three distinct corners, or all on one line
    Region r;
    r.kind = Kind::Polygon;
    r.corners = corners;
    std::int64_t minX = corners[0].x, maxX = corners[0].x;
    std::int64_t minY = corners[0].y, maxY = corners[0].y;
    for (const Point& p : corners) {
        minX = std::min<std::int64_t>(minX, p.x);
        maxX = std::max<std::int64_t>(maxX, p.x);
        minY = std::min<std::int64_t>(minY, p.y);
        maxY = std::max<std::int64_t>(maxY, p.y);
    }
    r.boxLeft = minX;
    r.boxTop = minY;
    r.boxRight = maxX;
    r.boxBottom = maxY;
    return r;
}

void Region::clampBoxToPixels() {
    // Pixels with centres inside the shrunk box: x1 <= x <= x2 - 2.
    boxLeft = x1;
    boxTop = y1;
    boxRight = x2 - 1;
    boxBottom = y2 - 1;
}

void Region::offset(std::int64_t ox, std::int64_t oy) {
    if (kind == Kind::Empty)
        return;
    dx += ox;
    dy += oy;
}

bool Region::contains(std::int64_t x, std::int64_t y) const {
    if (kind == Kind::Empty)
        return false;
    x -= dx;
    y -= dy;
    if (x < boxLeft || x >= boxRight || y < boxTop || y >= boxBottom)
        return false;
    return containsLocal(x, y);
}

bool Region::containsLocal(std::int64_t x, std::int64_t y) const {
    switch (kind) {
    case Kind::Empty:
        return false;
    case Kind::Rectangle:
        return true; // the box test was the whole test
    case Kind::Ellipse:
    case Kind::RoundRect:
        return insideCurvedBox(x, y);
    case Kind::Polygon:
        return insidePolygon(x, y);
    }
    return false;
}

// Works in doubled coordinates so that pixel centres (x + 0.5) and box halves are integers.
// The curve box is [x1, x2 - 1] x [y1, y2 - 1]; a corner ellipse of cornerW x cornerH sits in
// each corner (for an ellipse the corner is the whole box).
bool Region::insideCurvedBox(std::int64_t x, std::int64_t y) const {
    if (cornerW == 0)
        return true; // a rectangle one pixel smaller: the box test decided
    const Wide cx = 2 * x + 1;
    const Wide cy = 2 * y + 1;
    const Wide left = 2 * x1, right = 2 * (x2 - 1);
    const Wide top = 2 * y1, bottom = 2 * (y2 - 1);
    // Centres of the corner ellipses, doubled: box edge plus the semi-axis (cornerW / 2).
    const Wide ex0 = left + cornerW, ex1 = right - cornerW;
    const Wide ey0 = top + cornerH, ey1 = bottom - cornerH;
    Wide ex, ey;
    if (cx < ex0)
        ex = ex0;
    else if (cx > ex1)
        ex = ex1;
    else
        return true; // within the straight middle band
    if (cy < ey0)
        ey = ey0;
    else if (cy > ey1)
        ey = ey1;
    else
        return true;
    // Inside the corner ellipse with semi-axes cornerW / 2 and cornerH / 2 (doubled: cornerW,
    // cornerH): (dx / a)^2 + (dy / b)^2 <= 1.
    const Wide ddx = cx - ex, ddy = cy - ey;
    const Wide a = cornerW, b = cornerH;
    constexpr Wide exactLimit = Wide(1) << 30; // below it the products fit in 128 bits
    if (a < exactLimit && b < exactLimit)
        return ddx * ddx * b * b + ddy * ddy * a * a <= a * a * b * b;
    const long double fx = (long double)ddx / (long double)a;
    const long double fy = (long double)ddy / (long double)b;
    return fx * fx + fy * fy <= 1.0L;
}

// Even-odd with the pixel centre on the scan line y + 0.5: each edge that crosses the line
// contributes the first pixel whose centre lies at or right of the crossing; the pixel is
// inside when an odd number of those lie at or left of it.
bool Region::insidePolygon(std::int64_t x, std::int64_t y) const {
    bool inside = false;
    const Wide yc2 = 2 * Wide(y) + 1;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Point& a = corners[i];
        const Point& b = corners[(i + 1) % n];
        const Wide ya2 = 2 * Wide(a.y), yb2 = 2 * Wide(b.y);
        if ((ya2 < yc2) == (yb2 < yc2))
            continue; // does not cross the scan line
        // Crossing at xi = a.x + (yc - a.y)(b.x - a.x)/(b.y - a.y); first pixel with
        // centre >= xi is ceil(xi - 0.5) = ceil((2 xi - 1) / 2).
        Wide den = Wide(b.y) - a.y;
        Wide num = (2 * Wide(a.x) - 1) * den + (yc2 - ya2) * (Wide(b.x) - a.x);
        if (den < 0) {
            den = -den;
            num = -num;
        }
        if (ceilDiv(num, 2 * den) <= x)
            inside = !inside;
    }
    return inside;
}

std::vector<Region::Span> Region::rowSpans(std::int64_t y) const {
    return rowSpans(y, left(), right());
}

std::vector<Region::Span> Region::rowSpans(std::int64_t y, std::int64_t from,
                                           std::int64_t to) const {
    std::vector<Span> spans;
    if (kind == Kind::Empty || y - dy < boxTop || y - dy >= boxBottom)
        return spans;
    const std::int64_t first = std::max(boxLeft, from - dx);
    const std::int64_t last = std::min(boxRight, to - dx);
    for (std::int64_t x = first; x < last; ++x) {
        if (!containsLocal(x, y - dy))
            continue;
        if (!spans.empty() && spans.back().end == x + dx)
            spans.back().end = x + dx + 1;
        else
            spans.push_back({x + dx, x + dx + 1});
    }
    return spans;
}
