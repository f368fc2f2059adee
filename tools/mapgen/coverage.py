# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Anti-aliased shapes as coverage: for every pixel the share of it that a shape covers, 0 to
1. Lines and patches are drawn with cairo; the land mask, sampled once per pixel, is softened
so that its edges do not show as steps. Coordinates are the pixels' edges: pixel (i, j) covers
[i, i + 1] x [j, j + 1]."""

import math

import cairo
import numpy as np


class Layer:
    """One colour's shapes on a picture of width x height pixels."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.surface = cairo.ImageSurface(cairo.FORMAT_A8, width, height)
        self.ctx = cairo.Context(self.surface)
        self.ctx.set_antialias(cairo.ANTIALIAS_GOOD)

    def polylines(self, lines, line_width):
        """Open lines with round ends and joins, as a pen of that width draws them."""
        ctx = self.ctx
        ctx.set_line_width(line_width)
        ctx.set_line_cap(cairo.LINE_CAP_ROUND)
        ctx.set_line_join(cairo.LINE_JOIN_ROUND)
        margin = line_width
        for points in lines:
            xs = [p[0] for p in points]
            ys = [p[1] for p in points]
            if max(xs) < -margin or min(xs) > self.width + margin or \
               max(ys) < -margin or min(ys) > self.height + margin:
                continue
            ctx.move_to(*points[0])
            for p in points[1:]:
                ctx.line_to(*p)
            ctx.stroke()

    def ellipse(self, cx, cy, rx, ry):
        ctx = self.ctx
        ctx.save()
        ctx.translate(cx, cy)
        ctx.scale(rx, ry)
        ctx.arc(0, 0, 1, 0, 2 * math.pi)
        ctx.restore()
        ctx.fill()

    def polygon(self, corners):
        ctx = self.ctx
        ctx.set_fill_rule(cairo.FILL_RULE_EVEN_ODD)
        ctx.move_to(*corners[0])
        for p in corners[1:]:
            ctx.line_to(*p)
        ctx.close_path()
        ctx.fill()

    def rectangle(self, x, y, width, height):
        self.ctx.rectangle(x, y, width, height)
        self.ctx.fill()

    def coverage(self):
        self.surface.flush()
        stride = self.surface.get_stride()
        data = np.frombuffer(self.surface.get_data(), dtype=np.uint8)
        alpha = data.reshape(self.height, stride)[:, :self.width]
        return alpha.astype(np.float32) / 255


def soften(mask):
    """A mask sampled at pixel centres as coverage: each pixel averaged with its neighbours,
    weights 1-2-1 across and down, so a boundary becomes a ramp two pixels wide. The picture's
    edge repeats its outermost pixels."""
    m = np.pad(mask.astype(np.float32), 1, mode="edge")
    across = (m[:, :-2] + 2 * m[:, 1:-1] + m[:, 2:]) / 4
    return (across[:-2] + 2 * across[1:-1] + across[2:]) / 4


def within(mask, radius):
    """The pixels of mask whose every pixel within radius (centre to centre) is in it too;
    beyond the picture's edge counts as in."""
    r = int(radius)
    padded = np.pad(mask, r, mode="edge")
    height, width = mask.shape
    inner = mask.copy()
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if (dx or dy) and dx * dx + dy * dy <= radius * radius:
                inner &= padded[r + dy:r + dy + height, r + dx:r + dx + width]
    return inner
