# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hotspot definition lines and the pixels their shapes cover, with the maps' own rules: a pixel
belongs to a shape when its centre does; an ellipse is inscribed in its box shrunk by one pixel
at the right and bottom and takes the centres on its curve too; polygons fill by the even-odd
rule, a centre on an edge going to the span on its right."""

from dataclasses import dataclass

import numpy as np


class DefinitionError(Exception):
    pass


@dataclass(frozen=True)
class Hotspot:
    picture: str
    name: str
    code: int
    points: tuple  # ((x, y), ...) as written

    def mask(self, width, height):
        """Boolean array [height, width] of the pixels inside the shape."""
        if self.code == -3:
            (x1, y1), (x2, y2) = self.points[:2]
            return ellipse_mask(x1, y1, x2, y2, width, height)
        if self.code > 0:
            return polygon_mask(self.points[: self.code], width, height)
        raise DefinitionError(f"'{self.line()}': only ellipses and polygons are drawn here")

    def centre(self):
        """The mean position of the pixels covered, in pixel-index coordinates."""
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        width, height = max(xs) + 2, max(ys) + 2
        rows, cols = np.nonzero(self.mask(width, height))
        return float(cols.mean()), float(rows.mean())

    def line(self):
        pts = "".join(f"{x},{y};" for x, y in self.points)
        return f"{self.picture}/{self.name}={self.code};{pts}"


def parse(line):
    if "/" not in line or "=" not in line:
        raise DefinitionError(f"'{line}': a definition needs a picture, '/', a name and '='")
    picture, rest = line.split("/", 1)
    name, rest = rest.split("=", 1)
    fields = rest.split(";")
    if fields[-1] != "":
        raise DefinitionError(f"'{line}': every field must end with ';'")
    try:
        code = int(fields[0])
        points = tuple(tuple(int(v) for v in f.split(",")) for f in fields[1:-1])
    except ValueError as e:
        raise DefinitionError(f"'{line}': {e}") from None
    if any(len(p) != 2 for p in points):
        raise DefinitionError(f"'{line}': a point is 'x,y;'")
    return Hotspot(picture, name, code, points)


def ellipse_mask(x1, y1, x2, y2, width, height):
    x1, x2 = sorted((x1, x2))
    y1, y2 = sorted((y1, y2))
    a2, b2 = x2 - 1 - x1, y2 - 1 - y1  # twice the radii
    ys, xs = np.mgrid[0:height, 0:width]
    # Doubled coordinates of the pixel centre relative to the doubled centre, exact integers.
    dx = 2 * xs + 1 - (x1 + x2 - 1)
    dy = 2 * ys + 1 - (y1 + y2 - 1)
    if a2 <= 0 or b2 <= 0:
        return np.zeros((height, width), dtype=bool)
    return dx * dx * b2 * b2 + dy * dy * a2 * a2 <= a2 * a2 * b2 * b2


def polygon_mask(corners, width, height):
    out = np.zeros((height, width), dtype=bool)
    n = len(corners)
    for y in range(height):
        yc = y + 0.5
        crossings = []
        for i in range(n):
            (ax, ay), (bx, by) = corners[i], corners[(i + 1) % n]
            if (ay <= yc < by) or (by <= yc < ay):
                crossings.append(ax + (yc - ay) * (bx - ax) / (by - ay))
        crossings.sort()
        for left, right in zip(crossings[0::2], crossings[1::2]):
            # Pixels whose centre x + 0.5 lies in [left, right).
            first = max(0, int(np.ceil(left - 0.5)))
            last = min(width, int(np.ceil(right - 0.5)))
            out[y, first:last] = True
    return out


def interior(mask):
    """The pixels of mask whose four neighbours are all in it."""
    inner = mask.copy()
    inner[1:, :] &= mask[:-1, :]
    inner[:-1, :] &= mask[1:, :]
    inner[:, 1:] &= mask[:, :-1]
    inner[:, :-1] &= mask[:, 1:]
    return inner


def outline(mask):
    """The pixels of mask with a neighbour outside it."""
    return mask & ~interior(mask)
