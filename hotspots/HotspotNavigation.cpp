// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotspotNavigation.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::vector<HotspotPlace> HotspotPlaces(const HotspotMap& map, int width, int height) {
    std::vector<HotspotPlace> places;
    const auto& active = map.active();
    for (std::size_t i = 0; i < active.size(); ++i) {
        if (!active[i].region)
            continue;
        const Region& region = *active[i].region;
        double sumX = 0, sumY = 0;
        std::int64_t pixels = 0;
        std::int64_t left = 0, top = 0, right = 0, bottom = 0;
        const std::int64_t rowEnd = std::min<std::int64_t>(region.bottom(), height);
        for (std::int64_t y = std::max<std::int64_t>(region.top(), 0); y < rowEnd; ++y)
            for (const Region::Span& span : region.rowSpans(y, 0, width))
                for (std::int64_t x = span.begin; x < span.end; ++x) {
                    // The first hotspot holding a pixel is the one a click reports.
                    bool covered = false;
                    for (std::size_t j = 0; j < i && !covered; ++j)
                        covered = PtInRegion(active[j].region, x, y);
                    if (covered)
                        continue;
                    if (pixels == 0) {
                        left = right = x;
                        top = bottom = y;
                    }
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                    sumX += double(x) + 0.5;
                    sumY += double(y) + 0.5;
                    ++pixels;
                }
        if (pixels == 0)
            continue;
        places.push_back({int(i), sumX / double(pixels), sumY / double(pixels),
                          QRect(int(left), int(top), int(right - left), int(bottom - top))});
    }
    return places;
}

std::optional<QPoint> PressPoint(const HotspotMap& map, const HotspotPlace& place, int scale) {
    if (scale <= 0)
        return std::nullopt;
    const auto shown = [scale](double v) { return v * scale / 100.0; };
    const int x0 = std::max(0, int(std::floor(shown(place.box.left()))) - 1);
    const int y0 = std::max(0, int(std::floor(shown(place.box.top()))) - 1);
    const int x1 = int(std::ceil(shown(place.box.left() + place.box.width()))) + 1;
    const int y1 = int(std::ceil(shown(place.box.top() + place.box.height()))) + 1;
    std::optional<QPoint> best;
    double bestDistance = std::numeric_limits<double>::max();
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (map.hitIndex(x, y, scale) != place.hotspot)
                continue;
            const double d = std::hypot(x + 0.5 - shown(place.x), y + 0.5 - shown(place.y));
            if (d < bestDistance) {
                bestDistance = d;
                best = QPoint(x, y);
            }
        }
    return best;
}

namespace {

constexpr std::array<std::array<int, 2>, 4> directions = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

int nearestAhead(const std::vector<HotspotPlace>& places, std::size_t from, std::size_t key) {
    const auto [ux, uy] = directions[key];
    int best = -1;
    bool bestInCone = false;
    double bestScore = 0;
    for (std::size_t to = 0; to < places.size(); ++to) {
        const double dx = places[to].x - places[from].x;
        const double dy = places[to].y - places[from].y;
        const double along = dx * ux + dy * uy;
        const double across = std::abs(dx * uy - dy * ux);
        if (to == from || along <= 0)
            continue;
        const bool inCone = across <= along;
        const double score = along + 2 * across;
        if (best < 0 || (inCone && !bestInCone) || (inCone == bestInCone && score < bestScore)) {
            best = int(to);
            bestInCone = inCone;
            bestScore = score;
        }
    }
    return best;
}

std::vector<int> sortedBy(const std::vector<HotspotPlace>& places, bool rowsFirst) {
    std::vector<int> order(places.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const HotspotPlace& p = places[std::size_t(a)];
        const HotspotPlace& q = places[std::size_t(b)];
        return rowsFirst ? std::tie(p.y, p.x) < std::tie(q.y, q.x)
                         : std::tie(p.x, p.y) < std::tie(q.x, q.y);
    });
    return order;
}

std::vector<bool> reached(const std::vector<std::vector<int>>& edges) {
    std::vector<bool> seen(edges.size(), false);
    std::vector<int> todo{0};
    seen[0] = true;
    while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        for (int to : edges[std::size_t(at)])
            if (!seen[std::size_t(to)]) {
                seen[std::size_t(to)] = true;
                todo.push_back(to);
            }
    }
    return seen;
}

} // namespace

bool AllReachable(const std::vector<std::array<int, 4>>& moves) {
    if (moves.empty())
        return true;
    // Everything reached from the first place, and the first place reached from everything.
    std::vector<std::vector<int>> forward(moves.size()), backward(moves.size());
    for (std::size_t from = 0; from < moves.size(); ++from)
        for (int to : moves[from])
            if (to >= 0) {
                forward[from].push_back(to);
                backward[std::size_t(to)].push_back(int(from));
            }
    const auto out = reached(forward), in = reached(backward);
    return std::all_of(out.begin(), out.end(), [](bool b) { return b; }) &&
           std::all_of(in.begin(), in.end(), [](bool b) { return b; });
}

HotspotNavigation::HotspotNavigation(const std::vector<HotspotPlace>& places)
    : moves(places.size()), order(sortedBy(places, true)), reading(places.size()) {
    for (std::size_t i = 0; i < order.size(); ++i)
        reading[std::size_t(order[i])] = int(i);
    for (std::size_t from = 0; from < places.size(); ++from)
        for (std::size_t key = 0; key < 4; ++key)
            moves[from][key] = nearestAhead(places, from, key);
    if (AllReachable(moves))
        return;
    nearest = false;
    const std::vector<int> byX = sortedBy(places, false);
    const std::vector<int>& byY = order;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto before = [i](const std::vector<int>& o) { return i > 0 ? o[i - 1] : -1; };
        const auto after = [i](const std::vector<int>& o) {
            return i + 1 < o.size() ? o[i + 1] : -1;
        };
        moves[std::size_t(byX[i])][0] = before(byX);
        moves[std::size_t(byX[i])][1] = after(byX);
        moves[std::size_t(byY[i])][2] = before(byY);
        moves[std::size_t(byY[i])][3] = after(byY);
    }
}

int HotspotNavigation::next(int from, NavigationKey key) const {
    if (moves.empty())
        return -1;
    if (key == NavigationKey::Home || from < 0 || from >= count())
        return key == NavigationKey::End ? order.back() : order.front();
    if (key == NavigationKey::End)
        return order.back();
    const int to = moves[std::size_t(from)][std::size_t(key)];
    return to >= 0 ? to : from;
}
