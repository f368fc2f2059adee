# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The projection of the nation map, fitted to its five fixed region polygons: among the
equirectangular projections near a first guess, the one that leaves the fewest towns outside
every polygon whose picture holds them, then the least of the country's land outside all
polygons."""

import numpy as np

import shapes
from catalogue import NATION_DEFINITIONS, PICTURE_TOWNS
from projection import Projection

FIRST_GUESS = Projection(43.53, 58.95, 6.091, 47.168)


def _inside(corners, xc, yc):
    """Even-odd test of points (xc, yc) against a polygon; arrays of any shape."""
    result = np.zeros(np.broadcast(xc, yc).shape, dtype=bool)
    n = len(corners)
    for i in range(n):
        (ax, ay), (bx, by) = corners[i], corners[(i + 1) % n]
        if ay == by:
            continue
        crosses = ((ay <= yc) & (yc < by)) | ((by <= yc) & (yc < ay))
        result ^= crosses & (xc >= ax + (yc - ay) * (bx - ax) / (by - ay))
    return result


class NationFit:
    def __init__(self, towns, country_points):
        self.polygons = {}
        for line in NATION_DEFINITIONS:
            h = shapes.parse(line)
            self.polygons[h.name] = h.points[: h.code]
        self.names = sorted(towns)
        self.lon = np.array([towns[n].lon for n in self.names])
        self.lat = np.array([towns[n].lat for n in self.names])
        self.held = {
            region: np.array([n in PICTURE_TOWNS[region + ".bmp"] for n in self.names])
            for region in self.polygons
        }
        self.country_lon, self.country_lat = country_points

    def towns_outside(self, p):
        # A town stands on the pixel its position rounds to; that pixel's centre is tested.
        x = np.round(p.sx * (self.lon - p.lon0)) + 0.5
        y = np.round(p.sy * (p.lat0 - self.lat)) + 0.5
        inside = np.zeros(len(self.names), dtype=bool)
        for region, corners in self.polygons.items():
            inside |= self.held[region] & _inside(corners, x, y)
        return [n for n, ok in zip(self.names, inside) if not ok]

    def land_outside(self, p):
        """Percent of the country's land outside every polygon."""
        x = p.sx * (self.country_lon - p.lon0)
        y = p.sy * (p.lat0 - self.country_lat)
        inside = np.zeros(len(x), dtype=bool)
        for corners in self.polygons.values():
            inside |= _inside(corners, x, y)
        return 100.0 * (1.0 - inside.mean())

    def score(self, p):
        return len(self.towns_outside(p)) + self.land_outside(p)

    def fit(self):
        g = FIRST_GUESS
        candidates = []
        for sx in np.arange(g.sx - 1.5, g.sx + 1.51, 0.25):
            for sy in np.arange(g.sy - 1.5, g.sy + 1.51, 0.25):
                for lon0 in np.arange(g.lon0 - 0.15, g.lon0 + 0.151, 0.025):
                    for lat0 in np.arange(g.lat0 - 0.1, g.lat0 + 0.101, 0.025):
                        p = Projection(*(round(float(v), 4) for v in (sx, sy, lon0, lat0)))
                        candidates.append((len(self.towns_outside(p)), p))
        fewest = min(n for n, _ in candidates)
        best = min((self.score(p), p.sx, p.sy, p.lon0, p.lat0) for n, p in candidates
                   if n <= fewest + 1)
        p = Projection(*best[1:])
        # Refine on a finer grid around the best candidate.
        steps = (0.05, 0.05, 0.005, 0.005)
        improved = True
        while improved:
            improved = False
            for i, step in enumerate(steps):
                for sign in (-1, 1):
                    values = [p.sx, p.sy, p.lon0, p.lat0]
                    values[i] = round(values[i] + sign * step, 4)
                    q = Projection(*values)
                    if self.score(q) < self.score(p) - 1e-9:
                        p, improved = q, True
        return p


def country_points(gmt, step=0.04):
    """Centres of a grid of cells inside the country's borders (its islands included)."""
    west, east, south, north = 5.0, 20.0, 35.0, 48.0
    width, height = round((east - west) / step), round((north - south) / step)
    text = gmt.run(["coast", "-EIT", "-M", f"-R{west}/{east}/{south}/{north}"])
    mask = np.zeros((height, width), dtype=bool)
    polygon = []
    for line in text.splitlines() + [">"]:
        if line.startswith(">"):
            if len(polygon) > 2:
                mask |= shapes.polygon_mask(polygon, width, height)
            polygon = []
        elif line.strip():
            lon, lat = map(float, line.split()[:2])
            polygon.append(((lon - west) / step, (north - lat) / step))
    rows, cols = np.nonzero(mask)
    return west + (cols + 0.5) * step, north - (rows + 0.5) * step
