// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A hotspot definition file's text through parsing, region creation, scaling, the sorted list,
// hit testing and the rows of pixels of each region.
//
// The first line is parsed alone; all lines together form the definition list of a map whose
// regions are built for the first line's picture. The rows of a region are compared with its
// pixel test, pixel by pixel, for regions of up to MaxCheckedSide pixels on a side; larger ones
// (a definition may name any 32-bit coordinate) are only sampled, so that one input costs
// bounded work.

#include "FuzzCheck.h"
#include "HotspotDefinition.h"
#include "HotspotMap.h"

#include "Error.h"

#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::int64_t MaxCheckedSide = 1024;

QString describe(const Region& r) {
    return QStringLiteral("box [%1, %2) x [%3, %4)")
        .arg(r.left())
        .arg(r.right())
        .arg(r.top())
        .arg(r.bottom());
}

// The runs of row y as the pixel test sees them, from one pixel left of the box to one right.
std::vector<Region::Span> spansByPixels(const Region& r, std::int64_t y) {
    std::vector<Region::Span> spans;
    for (std::int64_t x = r.left() - 1; x <= r.right(); ++x) {
        if (!r.contains(x, y))
            continue;
        if (!spans.empty() && spans.back().end == x)
            spans.back().end = x + 1;
        else
            spans.push_back({x, x + 1});
    }
    return spans;
}

void checkRows(const Region& r, std::int64_t y) {
    const std::vector<Region::Span> spans = r.rowSpans(y);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        FUZZ_REQUIRE(spans[i].begin < spans[i].end, describe(r));
        FUZZ_REQUIRE(spans[i].begin >= r.left() && spans[i].end <= r.right(), describe(r));
        if (i > 0) // sorted, apart, and adjacent runs merged
            FUZZ_REQUIRE(spans[i - 1].end < spans[i].begin, describe(r));
    }
    if (y < r.top() || y >= r.bottom())
        FUZZ_REQUIRE(spans.empty(), describe(r) + QStringLiteral(" row %1").arg(y));
    if (r.right() - r.left() <= MaxCheckedSide)
        FUZZ_REQUIRE(spans == spansByPixels(r, y),
                     describe(r) + QStringLiteral(" row %1 differs from its pixels").arg(y));
}

void checkRegion(const RegionHandle& handle, std::uint32_t seed) {
    if (!handle)
        return;
    const Region& r = *handle;
    if (r.isEmpty()) {
        FUZZ_REQUIRE(!r.contains(0, 0) && r.rowSpans(0).empty(), QStringLiteral("empty region"));
        return;
    }
    FUZZ_REQUIRE(r.left() <= r.right() && r.top() <= r.bottom(), describe(r));
    const std::int64_t width = r.right() - r.left();
    const std::int64_t height = r.bottom() - r.top();

    // Nothing outside the box.
    const std::int64_t midX = r.left() + width / 2;
    const std::int64_t midY = r.top() + height / 2;
    FUZZ_REQUIRE(!r.contains(r.left() - 1, midY) && !r.contains(r.right(), midY) &&
                     !r.contains(midX, r.top() - 1) && !r.contains(midX, r.bottom()),
                 describe(r));

    if (width <= MaxCheckedSide) {
        // Every row of a low region; of a higher one the rows at its edges and middle and some
        // spread over it. And the rows just above and below.
        std::vector<std::int64_t> rows;
        if (height <= 32) {
            for (std::int64_t y = r.top() - 1; y <= r.bottom(); ++y)
                rows.push_back(y);
        } else {
            rows = {r.top() - 1, r.top(),        r.top() + 1,    midY - 1,  midY,
                    midY + 1,    r.bottom() - 2, r.bottom() - 1, r.bottom()};
            for (std::int64_t i = 0; i < 12; ++i)
                rows.push_back(r.top() + (height * i + std::int64_t(seed % 997)) / 12);
        }
        for (std::int64_t y : rows)
            checkRows(r, y);
    } else {
        // A wide region: the pixel test at some points; its rows are not walked.
        for (std::uint32_t i = 0; i < 16; ++i) {
            const std::uint32_t h = seed * 2654435761u + i * 40503u;
            const std::int64_t x = r.left() + std::int64_t(h % std::uint64_t(width));
            const std::int64_t y =
                r.top() + std::int64_t((h >> 7) % std::uint64_t(std::max<std::int64_t>(height, 1)));
            (void)r.contains(x, y);
        }
    }

    // Moved, the region holds the same pixels shifted.
    Region moved = r;
    const std::int64_t dx = std::int64_t(seed % 1001) - 500;
    const std::int64_t dy = std::int64_t((seed / 1001) % 1001) - 500;
    moved.offset(dx, dy);
    FUZZ_REQUIRE(moved.left() == r.left() + dx && moved.top() == r.top() + dy &&
                     moved.right() == r.right() + dx && moved.bottom() == r.bottom() + dy,
                 describe(moved));
    for (std::int64_t x : {r.left(), midX, r.right() - 1})
        for (std::int64_t y : {r.top(), midY, r.bottom() - 1})
            FUZZ_REQUIRE(moved.contains(x + dx, y + dy) == r.contains(x, y), describe(r));
    if (width <= MaxCheckedSide) {
        std::vector<Region::Span> shifted = r.rowSpans(midY);
        for (Region::Span& span : shifted) {
            span.begin += dx;
            span.end += dx;
        }
        FUZZ_REQUIRE(moved.rowSpans(midY + dy) == shifted, describe(moved));
    }
}

std::uint32_t hashOf(const std::uint8_t* data, std::size_t size) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 16777619u;
    return h;
}

void checkLine(const QString& line, std::uint32_t seed) {
    std::optional<THotspotRec> rec;
    try {
        rec = ParseHotspot(line);
    } catch (const TerravaError& e) {
        FUZZ_REQUIRE(!e.message().isEmpty(), line);
        return;
    }
    FUZZ_REQUIRE(rec->Count >= 0 && rec->Count <= MaxHotspotPoints, line);
    FUZZ_REQUIRE(rec->Name.size() <= MaxHotspotNameLength, line);
    // The name follows the first "/" and holds no "="; uncut, an "=" follows it.
    const qsizetype nameAt = line.indexOf(QLatin1Char('/')) + 1;
    FUZZ_REQUIRE(nameAt > 0 && QStringView(line).mid(nameAt).startsWith(rec->Name) &&
                     !rec->Name.contains(QLatin1Char('=')),
                 line);
    if (rec->Name.size() < MaxHotspotNameLength)
        FUZZ_REQUIRE(line.at(nameAt + rec->Name.size()) == QLatin1Char('='), line);
    const RegionHandle region = CreateHotspotRegion(*rec);
    checkRegion(region, seed);
    // As the map shows it at other sizes.
    for (std::int32_t scale : {100, 50, 150, std::int32_t(seed % 400) + 1}) {
        const THotspotRec scaled = ScaledHotspot(*rec, scale);
        if (scale == 100) {
            FUZZ_REQUIRE(scaled.Points == rec->Points, line);
            continue;
        }
        checkRegion(CreateHotspotRegion(scaled), seed ^ std::uint32_t(scale));
    }
}

// HotspotAt agrees with hitIndex, and leaves the name alone on a miss.
int checkHit(const HotspotMap& map, std::int32_t x, std::int32_t y, std::int32_t scale) {
    const int index = map.hitIndex(x, y, scale);
    QString name = QStringLiteral("untouched");
    const bool hit = map.HotspotAt(x, y, scale, name);
    FUZZ_REQUIRE(hit == (index >= 0), QStringLiteral("HotspotAt at %1, %2").arg(x).arg(y));
    if (!hit)
        FUZZ_REQUIRE(name == QStringLiteral("untouched"), name);
    return index;
}

// The smallest picture-area coordinate that a map at scale percent (100 or more, where every
// picture pixel can be reached) shows picture pixel v at: v * scale / 100, rounded up.
std::int64_t shownAt(std::int64_t v, std::int32_t scale) {
    const std::int64_t product = v * scale;
    return product / 100 + (product % 100 > 0 ? 1 : 0);
}

void checkMap(const QStringList& lines, std::uint32_t seed) {
    HotspotMap map;
    map.definitions().assign(lines);
    const HotspotDefinitionList& defs = map.definitions();
    FUZZ_REQUIRE(defs.count() <= lines.size(), QStringLiteral("more definitions than lines"));
    for (int i = 1; i < defs.count(); ++i)
        FUZZ_REQUIRE(defs.compare(defs.at(i - 1), defs.at(i)) < 0,
                     QStringLiteral("not sorted: %1 / %2").arg(defs.at(i - 1), defs.at(i)));
    for (const QString& line : lines)
        FUZZ_REQUIRE(!map.definitions().add(line), QStringLiteral("added twice: ") + line);

    const QString picture = PictureOfDefinition(lines.front());
    try {
        map.BuildRegions(picture);
    } catch (const TerravaError&) {
        // The entries before the failing line stay.
    }
    for (const ActiveHotspot& entry : map.active()) {
        FUZZ_REQUIRE(entry.line >= 0 && entry.line < defs.count(), entry.definition);
        FUZZ_REQUIRE(defs.at(entry.line) == entry.definition, entry.definition);
        FUZZ_REQUIRE(PictureOfDefinition(entry.definition) == picture, entry.definition);
    }

    // A pixel of hotspot k, taken from its rows, is hit at any scale from 100 up where the
    // map shows it, by hotspot k or by one before it.
    const std::int32_t enlarged = 100 + std::int32_t(seed % 300);
    for (std::size_t k = 0; k < map.active().size(); ++k) {
        const RegionHandle& region = map.active()[k].region;
        if (!region || region->isEmpty())
            continue;
        const std::int64_t y = region->top() + (region->bottom() - region->top()) / 2;
        const std::vector<Region::Span> spans = region->rowSpans(y);
        if (spans.empty() || spans.front().begin < 0 || y < 0)
            continue;
        for (std::int32_t s : {100, enlarged}) {
            const std::int64_t ax = shownAt(spans.front().begin, s), ay = shownAt(y, s);
            if (ax > INT32_MAX || ay > INT32_MAX)
                continue;
            const int index = checkHit(map, std::int32_t(ax), std::int32_t(ay), s);
            FUZZ_REQUIRE(index >= 0 && index <= int(k),
                         map.active()[k].definition + QStringLiteral(" at scale %1").arg(s));
        }
    }
    FUZZ_REQUIRE(map.hitIndex(0, 0, 0) == -1, QStringLiteral("scale 0"));
    checkHit(map, std::int32_t(seed % 1000), std::int32_t((seed >> 10) % 1000), 100);
    map.DeleteRegions();
    FUZZ_REQUIRE(map.active().empty() && map.hitIndex(0, 0, 100) == -1, QStringLiteral("delete"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192)
        return -1; // a definitions file of this size says no more; keeps each run short
    const std::uint32_t seed = hashOf(data, size);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 64)
        lines.resize(64);
    checkLine(lines.front(), seed);
    if (lines.size() > 1)
        checkLine(lines.back(), seed >> 3);
    checkMap(lines, seed);
    return 0;
}
