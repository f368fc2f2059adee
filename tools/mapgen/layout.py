# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where a region picture lands in the regions map, and which of its rows the map's hidden top
strip covers. The map is 777 x 537 pixels with a frame of 1, fits its picture (AutoScaleImage)
and reaches 64 pixels above its page; a click is turned into picture coordinates as
v * 100 div Scale."""

from dataclasses import dataclass

import numpy as np

MAP_WIDTH, MAP_HEIGHT, FRAME, BORDER = 777, 537, 1, 0
HIDDEN_STRIP = 64


@dataclass(frozen=True)
class Placement:
    scale: int
    left: int
    top: int
    width: int
    height: int

    def first_visible_row(self):
        """The first picture row shown wholly below the hidden strip."""
        hidden_paint_rows = max(0, HIDDEN_STRIP - self.top)
        return -(-hidden_paint_rows * 100 // self.scale)


def _round_half_even(value):
    return int(np.rint(np.float64(value)))


def place(pic_w, pic_h):
    m = 2 * (FRAME + BORDER)
    aw, ah = MAP_WIDTH - m, MAP_HEIGHT - m
    f32 = np.float32
    if pic_w > aw or pic_h > ah or (pic_w < aw and pic_h < ah):
        f = f32(aw) / f32(pic_w)
        if ah < _round_half_even(f32(pic_h) * f):
            f = f32(ah) / f32(pic_h)
        s = f32(f * f32(100))
    else:
        s = f32(100)
    scale = _round_half_even(s)
    width = _round_half_even(f32(pic_w) * s * f32(0.01))
    height = _round_half_even(f32(pic_h) * s * f32(0.01))
    left = (MAP_WIDTH - width) // 2 - BORDER
    top = (MAP_HEIGHT - height) // 2 - BORDER
    if width == aw - 1:
        width += 1
    if height == ah - 1:
        height += 1
    return Placement(scale, left, top, width, height)
