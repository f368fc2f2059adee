# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The town hotspots of the region pictures: the given definitions as they are, the others as
ellipses centred on the town's real place and sized by its population; and the order in which
the maps keep their definition lines."""

import shapes
import style
from catalogue import GIVEN_DEFINITIONS

# Case-insensitive order of whole lines, as the maps' collation sorts them: blanks and
# punctuation before digits, digits before letters.
_PUNCTUATION = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$"


def _rank(c):
    if c in _PUNCTUATION:
        return (0, _PUNCTUATION.index(c))
    if c.isdigit():
        return (1, ord(c))
    return (2, ord(c.lower()))


def sort_key(line):
    return [_rank(c) for c in line]


def sorted_lines(lines):
    return sorted(lines, key=sort_key)


def given_hotspots(picture):
    return {h.name: h for h in map(shapes.parse, GIVEN_DEFINITIONS) if h.picture == picture}


def town_hotspot(picture, town, projection):
    x, y = projection.to_pixel(town.lon, town.lat)
    w, h = style.hotspot_size(town.population)
    # An ellipse box from x1 to x1 + w covers the pixels x1 .. x1 + w - 2; centre them on x.
    x1 = round(x - (w - 2) / 2)
    y1 = round(y - (h - 2) / 2)
    return shapes.Hotspot(picture, town.name, -3, ((x1, y1), (x1 + w, y1 + h)))


def picture_hotspots(picture, names, towns, projection):
    given = given_hotspots(picture)
    return [given.get(name) or town_hotspot(picture, towns[name], projection) for name in names]


def patch_mask(hotspot, width, height):
    """The dark-green patch drawn under a hotspot: a polygon is filled as it is, an ellipse
    loses a rim of a few pixels, so the patch sits inside it and the outline shows."""
    mask = hotspot.mask(width, height)
    if hotspot.code > 0:
        return mask
    (x1, y1), (x2, y2) = hotspot.points[:2]
    for _ in range(style.patch_inset(min(abs(x2 - x1), abs(y2 - y1)))):
        mask = shapes.interior(mask)
    return mask
