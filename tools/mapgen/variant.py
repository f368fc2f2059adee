# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures' high-resolution variants, Name@4x.png: each map drawn again from the same
sources at four times its width and height, anti-aliased, for screens that show it larger
than its own pixels. Pixel (x, y) of the bitmap is the 4 x 4 block at (4x, 4y) of the variant:
the same outer edges, lines four times as wide, lettering four times as large, and every town
patch with the same centre and four times the size."""

import numpy as np

import coverage
import geodata
import hotspots
import indexed_png
import maps
import shapes
import style
from raster import text_mask

FACTOR = 4


def variant_name(picture):
    return picture.replace(".bmp", f"@{FACTOR}x.png")


def _edges(points):
    """Pixel-centre positions of the bitmap as edge positions of the variant."""
    return [(FACTOR * x + FACTOR / 2, FACTOR * y + FACTOR / 2) for x, y in points]


def _patch_ellipse(mask, left, top):
    """The ellipse that draws a bitmap patch at the variant's size: the patch's centre, its
    width-to-height ratio and its area, all scaled up. mask: the patch, its pixel (0, 0) at
    (left, top) of the bitmap."""
    rows, cols = np.nonzero(mask)
    cx = FACTOR * (left + cols.mean() + 0.5)
    cy = FACTOR * (top + rows.mean() + 0.5)
    across = cols.max() - cols.min() + 1
    down = rows.max() - rows.min() + 1
    area = FACTOR * FACTOR * len(rows)
    rx = np.sqrt(area / np.pi * across / down)
    return cx, cy, rx, area / np.pi / rx


def _region_patches(layer, spots):
    for spot in spots:
        if spot.code > 0:
            layer.polygon([(FACTOR * x, FACTOR * y) for x, y in spot.points[:spot.code]])
            continue
        (x1, y1), (x2, y2) = spot.points[:2]
        left, top = min(x1, x2) - 1, min(y1, y2) - 1
        local = shapes.Hotspot(spot.picture, spot.name, spot.code,
                               ((x1 - left, y1 - top), (x2 - left, y2 - top)))
        mask = hotspots.patch_mask(local, abs(x2 - x1) + 2, abs(y2 - y1) + 2)
        layer.ellipse(*_patch_ellipse(mask, left, top))


def _nation_patches(layer, towns, projection):
    for x1, y1, d in maps.nation_patches(towns, projection):
        if d <= 3:
            layer.rectangle(FACTOR * x1, FACTOR * y1, FACTOR * d, FACTOR * d)
        else:
            mask = shapes.ellipse_mask(0, 0, d + 1, d + 1, d + 1, d + 1)
            layer.ellipse(*_patch_ellipse(mask, x1, y1))


def _over(rgb, colour, alpha):
    rgb += alpha[..., None] * (np.array(colour, dtype=np.float32) - rgb)


def draw(gmt, picture, projection, size, towns, spots):
    """The variant of a picture as an RGB array; spots: its town hotspots (region pictures),
    None for the nation map."""
    width, height = size
    w, h = FACTOR * width, FACTOR * height
    cells = gmt.landmask(projection.extent(width, height), w, h)
    land_cells = cells == geodata.LAND
    land = coverage.soften(land_cells)
    lake = coverage.soften(cells == geodata.LAKE)
    # The coast: the land within one bitmap pixel's width of sea or lake.
    inner = coverage.soften(coverage.within(land_cells, FACTOR))
    coast = land - inner

    rivers = coverage.Layer(w, h)
    rivers.polylines([_edges(s) for s in maps.rivers(gmt, picture, projection, width, height)],
                     FACTOR)
    river = rivers.coverage()
    palette = np.array(style.PALETTE, dtype=np.float32)
    rgb = ((1 - land - lake)[..., None] * palette[style.SEA]
           + lake[..., None] * palette[style.WATER]
           + coast[..., None] * palette[style.COAST]
           + inner[..., None] * (palette[style.LAND]
                                 + river[..., None] * (palette[style.WATER] - palette[style.LAND])))

    borders = coverage.Layer(w, h)
    borders.polylines([_edges(s) for s in maps.borders(gmt, projection, width, height)], FACTOR)
    _over(rgb, style.PALETTE[style.COAST], borders.coverage() * land)
    if picture == "Padania.bmp":
        roads = coverage.Layer(w, h)
        roads.polylines([_edges(r) for r in maps.road_lines(towns, projection)], FACTOR)
        _over(rgb, style.PALETTE[style.ROAD], roads.coverage() * land)
    for x, y, text, options in maps.lettering(picture, projection):
        size_ = FACTOR * options.get("size", 11)
        ink = text_mask(w, h, FACTOR * x, FACTOR * y, text, size_, options.get("italic", False),
                        options.get("bold", False), FACTOR * options.get("spacing", 0),
                        options.get("anchor", "mm"), antialias=True)
        _over(rgb, style.PALETTE[style.LETTERING], ink)

    patches = coverage.Layer(w, h)
    if spots is None:
        _nation_patches(patches, towns, projection)
    else:
        _region_patches(patches, spots)
    _over(rgb, style.PALETTE[style.TOWN], patches.coverage())
    return np.clip(np.rint(rgb), 0, 255).astype(np.uint8)


def write_png(path, rgb):
    colours = [style.PALETTE[i] for i in (style.SEA, style.LAND, style.WATER, style.COAST,
                                          style.TOWN, style.ROAD, style.LETTERING)]
    indexed_png.write(path, rgb, colours)
