// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Region.h"

#include <QString>
#include <array>
#include <cstdint>

// One hotspot definition line:  picture "/" name "=" code ";" x "," y ";" x "," y ";" ...
// A positive code is a polygon of that many corners; 0 is a polygon of four; for other codes
// the shape number is the low eight bits of -code: 1 rectangle, 2 rounded rectangle (third
// pair = corner ellipse size), 3 ellipse, anything else no region.

enum TShapeKind : std::uint8_t { skPolygon = 0, skRectangle = 1, skRoundRect = 2, skEllipse = 3 };

constexpr int MaxHotspotPoints = 100;
constexpr int MaxHotspotNameLength = 128;

struct THotspotRec {
    QString Name;
    std::int32_t Count = 0;
    std::array<Region::Point, MaxHotspotPoints> Points{}; // Points[0] is P1
    std::uint8_t Shape = 0;
};

struct DefinitionParts {
    QString picture;
    QString name;
};

// The picture part runs to the first "/" (all of a line without one); the name from there to
// the next "=" (or to the end).
DefinitionParts SplitDefinition(const QString& line);

// The text before the first "/"; empty for a line without one.
QString PictureOfDefinition(const QString& line);

// Parses a line into a record. Raises TerravaError for a number field that is not an integer
// ("'%s' is not a valid integer value") and for malformed lines, quoting the line.
THotspotRec ParseHotspot(const QString& line);

// The region of a parsed hotspot in picture coordinates, or no region for shape numbers 4 to
// 255.
RegionHandle CreateHotspotRegion(const THotspotRec& hotspot);

// The record with the x and y of its first Count points multiplied by scale and divided by 100,
// truncated toward zero: how outlines and the hot region follow the display scale.
THotspotRec ScaledHotspot(const THotspotRec& hotspot, std::int32_t scale);

// The integer conversion used for number fields: optional leading blanks, an optional sign,
// decimal digits, or "$" / "0x" followed by hexadecimal digits; within 32 bits. Raises
// "'%s' is not a valid integer value" otherwise.
std::int32_t StrToInt(const QString& text);
