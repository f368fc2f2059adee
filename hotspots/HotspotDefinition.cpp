// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HotspotDefinition.h"

#include "Error.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace {

[[noreturn]] void malformed(const QString& line, const QString& what) {
    throw TerravaError(
        QCoreApplication::translate("HotspotDefinition", "The hotspot definition '%1' %2")
            .arg(line, what));
}

int hexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

std::int32_t StrToInt(const QString& text) {
    auto invalid = [&]() -> std::int32_t {
        throw TerravaError(
            QCoreApplication::translate("HotspotDefinition", "'%1' is not a valid integer value")
                .arg(text));
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return invalid();
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = hexDigit(text[i]);
        if (d < 0 || d >= base)
            return invalid();
        value = value * std::uint64_t(base) + std::uint64_t(d);
        if (value > 0xFFFFFFFFull)
            return invalid();
    }
    if (base == 16) // hexadecimal spells the 32 bits themselves
        return std::int32_t(std::uint32_t(negative ? (0 - value) : value));
    const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    if (value > limit)
        return invalid();
    return negative ? std::int32_t(-std::int64_t(value)) : std::int32_t(value);
}

DefinitionParts SplitDefinition(const QString& line) {
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {line, QString()};
    const qsizetype equals = line.indexOf(QLatin1Char('='), slash + 1);
    const qsizetype nameEnd = equals < 0 ? line.size() : equals;
    return {line.left(slash), line.mid(slash + 1, nameEnd - slash - 1)};
}

QString PictureOfDefinition(const QString& line) {
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : line.left(slash);
}

THotspotRec ParseHotspot(const QString& line) {
    THotspotRec rec;
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    if (slash < 0)
        malformed(line, QCoreApplication::translate("HotspotDefinition",
                                                    "has no \"/\" after its picture name"));
    if (line.indexOf(QLatin1Char('='), slash + 1) < 0)
        malformed(line,
                  QCoreApplication::translate("HotspotDefinition", "has no \"=\" after its name"));
    const DefinitionParts parts = SplitDefinition(line);
    rec.Name = parts.name.left(MaxHotspotNameLength);

    const QString rest = line.mid(parts.picture.size() + parts.name.size() + 2);
    qsizetype pos = rest.indexOf(QLatin1Char(';'));
    if (pos < 0)
        malformed(line, QCoreApplication::translate("HotspotDefinition",
                                                    "has no \";\" after its shape code"));
    const std::int32_t code = StrToInt(rest.left(pos));
    ++pos;
    if (code > MaxHotspotPoints)
        malformed(line,
                  QCoreApplication::translate("HotspotDefinition",
                                              "has a polygon of %1 corners; at most %2 are allowed")
                      .arg(code)
                      .arg(MaxHotspotPoints));
    if (code > 0) {
        rec.Count = code;
        rec.Shape = skPolygon;
    } else {
        rec.Shape = std::uint8_t(std::uint32_t(0) - std::uint32_t(code));
        rec.Count = rec.Shape == skRoundRect ? 5 : 4;
    }

    int read = 0;
    while (pos < rest.size()) {
        if (read == MaxHotspotPoints)
            malformed(line,
                      QCoreApplication::translate("HotspotDefinition", "has more than %1 points")
                          .arg(MaxHotspotPoints));
        const qsizetype comma = rest.indexOf(QLatin1Char(','), pos);
        if (comma < 0)
            malformed(line, QCoreApplication::translate("HotspotDefinition",
                                                        "has no \",\" after an x value"));
        const qsizetype semicolon = rest.indexOf(QLatin1Char(';'), comma + 1);
        if (semicolon < 0)
            malformed(line, QCoreApplication::translate("HotspotDefinition",
                                                        "has no \";\" after a y value"));
        rec.Points[std::size_t(read)].x = StrToInt(rest.mid(pos, comma - pos));
        rec.Points[std::size_t(read)].y = StrToInt(rest.mid(comma + 1, semicolon - comma - 1));
        ++read;
        pos = semicolon + 1;
    }

    if (rec.Shape != skPolygon) {
        // Every other shape is kept as the four corners of its box; a rounded rectangle keeps
        // its corner size as the fifth point.
        const Region::Point a = rec.Points[0];
        const Region::Point b = rec.Points[1];
        const Region::Point corner = rec.Points[2];
        rec.Points[0] = {a.x, a.y};
        rec.Points[1] = {b.x, a.y};
        rec.Points[2] = {b.x, b.y};
        rec.Points[3] = {a.x, b.y};
        if (rec.Shape == skRoundRect)
            rec.Points[4] = corner;
    }
    return rec;
}

RegionHandle CreateHotspotRegion(const THotspotRec& hotspot) {
    const auto& p = hotspot.Points;
    switch (hotspot.Shape) {
    case skPolygon: {
        const std::size_t count = std::size_t(std::clamp(hotspot.Count, 0, MaxHotspotPoints));
        return Region::polygon(std::vector<Region::Point>(p.begin(), p.begin() + count));
    }
    case skRectangle:
        return Region::rectangle(p[0].x, p[0].y, p[2].x, p[2].y);
    case skRoundRect:
        return Region::roundRect(p[0].x, p[0].y, p[2].x, p[2].y, p[4].x, p[4].y);
    case skEllipse:
        return Region::ellipse(p[0].x, p[0].y, p[2].x, p[2].y);
    default:
        return std::nullopt;
    }
}

THotspotRec ScaledHotspot(const THotspotRec& hotspot, std::int32_t scale) {
    THotspotRec scaled = hotspot;
    const int count = std::clamp(hotspot.Count, 0, MaxHotspotPoints);
    auto scaleOne = [scale](std::int32_t v) {
        const std::int64_t s = std::int64_t(v) * scale / 100;
        return std::int32_t(std::clamp<std::int64_t>(s, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
    };
    for (int i = 0; i < count; ++i) {
        scaled.Points[std::size_t(i)].x = scaleOne(hotspot.Points[std::size_t(i)].x);
        scaled.Points[std::size_t(i)].y = scaleOne(hotspot.Points[std::size_t(i)].y);
    }
    return scaled;
}
