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
    west, east, south, north = extent
    wide = (west - 0.5, east + 0.5, south - 0.5, north + 0.5)
    levels = RIVER_LEVELS.get(picture, DEFAULT_RIVER_LEVELS)
    for seg in _project_segments(gmt.lines(wide, levels), projection):
        canvas.polyline(seg, style.WATER, allowed=land)
    canvas.fill(shapes.outline(land), style.COAST)
    for seg in _project_segments(gmt.lines(wide, ["-N1"]), projection):
        canvas.polyline(seg, style.COAST, allowed=land)
    return canvas, land


def draw_roads(canvas, land, towns, projection):
    for route in roads.ROUTES.values():
        points = []
        for stop in route:
            lon, lat = (towns[stop].lon, towns[stop].lat) if isinstance(stop, str) else stop
            points.append(projection.to_pixel(lon, lat))
        canvas.polyline(points, style.ROAD, allowed=land)


def draw_labels(canvas, picture, projection):
    for label in LABELS[picture]:
        x, y = projection.to_pixel(label.lon, label.lat)
        canvas.text(x, y, label.text, style.LETTERING, size=label.size, italic=label.lake,
                    anchor=label.anchor)
    if picture == "Italia.bmp":
        x, y = projection.to_pixel(*COUNTRY_NAME_AT)
        canvas.text(x, y, COUNTRY_NAME, style.LETTERING, size=15, bold=True, spacing=4)


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
    for name in sorted(towns):
        t = towns[name]
        x, y = projection.to_pixel(t.lon, t.lat)
        d = style.nation_patch_size(t.population)
        x1 = round(x - (d - 1) / 2)
        y1 = round(y - (d - 1) / 2)
        if d <= 3:  # too small for a round shape: a square of d x d pixels
            canvas.pixels[max(0, y1):y1 + d, max(0, x1):x1 + d] = style.TOWN
        else:
            canvas.fill(shapes.ellipse_mask(x1, y1, x1 + d + 1, y1 + d + 1, width, height),
                        style.TOWN)
    return canvas.pixels
