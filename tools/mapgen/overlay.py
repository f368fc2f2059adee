# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Check pictures for a person to look at: a map with its hotspot outlines, the towns' real
places, and (on region maps) the strip that the regions map hides at the top."""

import numpy as np
from PIL import Image

import layout
import shapes

OUTLINE = (255, 0, 255)
REAL_PLACE = (255, 128, 0)


def _rgb(pixels, palette):
    return np.array(palette, dtype=np.uint8)[pixels]


def _mark(rgb, x, y):
    h, w, _ = rgb.shape
    x, y = int(round(x)), int(round(y))
    for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
        if 0 <= x + dx < w and 0 <= y + dy < h:
            rgb[y + dy, x + dx] = REAL_PLACE


def region_overlay(path, pixels, palette, spots, towns, projection):
    rgb = _rgb(pixels, palette)
    height, width = pixels.shape
    hidden = layout.place(width, height).first_visible_row()
    rgb[:hidden] = rgb[:hidden] // 2
    for spot in spots:
        rgb[shapes.outline(spot.mask(width, height))] = OUTLINE
        _mark(rgb, *projection.to_pixel(towns[spot.name].lon, towns[spot.name].lat))
    Image.fromarray(rgb).save(path)


def nation_overlay(path, pixels, palette, definitions, towns, projection):
    rgb = _rgb(pixels, palette)
    height, width = pixels.shape
    for line in definitions:
        rgb[shapes.outline(shapes.parse(line).mask(width, height))] = OUTLINE
    for t in towns.values():
        _mark(rgb, *projection.to_pixel(t.lon, t.lat))
    Image.fromarray(rgb).save(path)
