# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the six pictures: land, sea and lakes from the land mask, coastlines, rivers, national
borders, motorways, names, and the towns' dark-green patches."""

import numpy as np

import geodata
import hotspots
import roads
import shapes
import style
from labels import COUNTRY_NAME, COUNTRY_NAME_AT, LABELS
from raster import Canvas

RIVER_LEVELS = {"Italia.bmp": ["-I1"]}
DEFAULT_RIVER_LEVELS = ["-I1", "-I2", "-I3"]


def _project_segments(segments, projection):
    return [[projection.to_pixel(lon, lat) for lon, lat in seg] for seg in segments]


def base_map(gmt, picture, projection, width, height):
    extent = projection.extent(width, height)
    cells = gmt.landmask(extent, width, height)
    land = cells == geodata.LAND
    pixels = np.full((height, width), style.SEA, dtype=np.uint8)
    pixels[land] = style.LAND
    pixels[cells == geodata.LAKE] = style.WATER
    canvas = Canvas(pixels)
    for seg in rivers(gmt, picture, projection, width, height):
        canvas.polyline(seg, style.WATER, allowed=land)
    canvas.fill(shapes.outline(land), style.COAST)
    for seg in borders(gmt, projection, width, height):
        canvas.polyline(seg, style.COAST, allowed=land)
    return canvas, land


def _wide_extent(projection, width, height):
    """The picture's extent with half a degree around it, so lines run off its edges."""
    west, east, south, north = projection.extent(width, height)
    return west - 0.5, east + 0.5, south - 0.5, north + 0.5


def rivers(gmt, picture, projection, width, height):
    levels = RIVER_LEVELS.get(picture, DEFAULT_RIVER_LEVELS)
    return _project_segments(gmt.lines(_wide_extent(projection, width, height), levels),
                             projection)


def borders(gmt, projection, width, height):
    return _project_segments(gmt.lines(_wide_extent(projection, width, height), ["-N1"]),
                             projection)


def road_lines(towns, projection):
    lines = []
    for route in roads.ROUTES.values():
        points = []
        for stop in route:
            lon, lat = (towns[stop].lon, towns[stop].lat) if isinstance(stop, str) else stop
            points.append(projection.to_pixel(lon, lat))
        lines.append(points)
    return lines


def draw_roads(canvas, land, towns, projection):
    for points in road_lines(towns, projection):
        canvas.polyline(points, style.ROAD, allowed=land)


def lettering(picture, projection):
    """The names written on a picture: (x, y, text, keyword arguments of Canvas.text)."""
    out = []
    for label in LABELS[picture]:
        x, y = projection.to_pixel(label.lon, label.lat)
        out.append((x, y, label.text, dict(size=label.size, italic=label.lake,
                                            anchor=label.anchor)))
    if picture == "Italia.bmp":
        x, y = projection.to_pixel(*COUNTRY_NAME_AT)
        out.append((x, y, COUNTRY_NAME, dict(size=15, bold=True, spacing=4)))
    return out


def draw_labels(canvas, picture, projection):
    for x, y, text, options in lettering(picture, projection):
        canvas.text(x, y, text, style.LETTERING, **options)


def region_picture(gmt, picture, projection, size, spots, towns):
    width, height = size
    canvas, land = base_map(gmt, picture, projection, width, height)
    if picture == "Padania.bmp":
        draw_roads(canvas, land, towns, projection)
    draw_labels(canvas, picture, projection)
    for spot in spots:
        canvas.fill(hotspots.patch_mask(spot, width, height), style.TOWN)
    return canvas.pixels


def nation_picture(gmt, projection, size, towns):
    width, height = size
    canvas, _ = base_map(gmt, "Italia.bmp", projection, width, height)
    draw_labels(canvas, "Italia.bmp", projection)
    for x1, y1, d in nation_patches(towns, projection):
        if d <= 3:  # too small for a round shape: a square of d x d pixels
            canvas.pixels[max(0, y1):y1 + d, max(0, x1):x1 + d] = style.TOWN
        else:
            canvas.fill(shapes.ellipse_mask(x1, y1, x1 + d + 1, y1 + d + 1, width, height),
                        style.TOWN)
    return canvas.pixels


def nation_patches(towns, projection):
    """Each town's patch on the nation map: its top left pixel and its diameter d. Up to 3
    pixels it is a d x d square, above that the circle in a box of d + 1 pixels."""
    out = []
    for name in sorted(towns):
        t = towns[name]
        x, y = projection.to_pixel(t.lon, t.lat)
        d = style.nation_patch_size(t.population)
        out.append((round(x - (d - 1) / 2), round(y - (d - 1) / 2), d))
    return out
