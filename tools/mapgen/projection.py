# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Equirectangular projections of the pictures: x = sx * (lon - lon0), y = sy * (lat0 - lat),
with (lon0, lat0) the centre of pixel (0, 0). The region pictures share one scale, fitted to
the towns whose hotspots are given; each picture has its own offset."""

from dataclasses import dataclass

import numpy as np

import shapes


@dataclass(frozen=True)
class Projection:
    sx: float
    sy: float
    lon0: float
    lat0: float

    def to_pixel(self, lon, lat):
        return self.sx * (lon - self.lon0), self.sy * (self.lat0 - lat)

    def to_geo(self, x, y):
        return self.lon0 + x / self.sx, self.lat0 - y / self.sy

    def scaled(self, factor):
        """The projection of the same picture drawn at factor times its width and height: the
        same outer edges, so pixel (x, y) becomes the factor x factor block at (factor x,
        factor y)."""
        shift = (factor - 1) / (2 * factor)  # the old pixel centre, in old pixels from the new
        return Projection(self.sx * factor, self.sy * factor, self.lon0 - shift / self.sx,
                          self.lat0 + shift / self.sy)

    def extent(self, width, height):
        """The outer edges (west, east, south, north) of a picture of width x height pixels."""
        west, north = self.to_geo(-0.5, -0.5)
        east, south = self.to_geo(width - 0.5, height - 0.5)
        return west, east, south, north


@dataclass(frozen=True)
class FitPoint:
    picture: str
    town: str
    x: float
    y: float
    lon: float
    lat: float


def fit_points(definitions, towns):
    points = []
    for line in definitions:
        hotspot = shapes.parse(line)
        cx, cy = hotspot.centre()
        t = towns[hotspot.name]
        points.append(FitPoint(hotspot.picture, hotspot.name, cx, cy, t.lon, t.lat))
    return points


def _fit_axis(points, pictures, value, coordinate):
    # value = s * coordinate - c[picture]: unknowns s and one c per picture.
    a = np.zeros((len(points), 1 + len(pictures)))
    b = np.zeros(len(points))
    for i, p in enumerate(points):
        a[i, 0] = coordinate(p)
        a[i, 1 + pictures.index(p.picture)] = -1.0
        b[i] = value(p)
    solution = np.linalg.lstsq(a, b, rcond=None)[0]
    return solution[0], solution[1:]


def fit_region_projections(points):
    """One scale for all region pictures, an offset per picture, by least squares."""
    pictures = sorted({p.picture for p in points})
    sx, cx = _fit_axis(points, pictures, lambda p: p.x, lambda p: p.lon)
    sy, cy = _fit_axis(points, pictures, lambda p: p.y, lambda p: -p.lat)
    # x = sx*lon - cx  =>  lon0 = cx / sx;  y = -sy*lat - cy  =>  lat0 = -cy / sy
    return {
        picture: Projection(float(sx), float(sy), float(cx[i] / sx), float(-cy[i] / sy))
        for i, picture in enumerate(pictures)
    }


def residuals(points, projections):
    out = []
    for p in points:
        x, y = projections[p.picture].to_pixel(p.lon, p.lat)
        out.append((p, x - p.x, y - p.y))
    return out
