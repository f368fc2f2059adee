# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drawing with palette indices on a picture held as a numpy array: lines pixel by pixel
(Bresenham), filled shapes and lettering without anti-aliasing."""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def line_pixels(x0, y0, x1, y1):
    """The pixels of the straight line between two pixel centres, both ends included."""
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx = 1 if x0 < x1 else -1
    sy = 1 if y0 < y1 else -1
    err = dx + dy
    while True:
        yield x0, y0
        if x0 == x1 and y0 == y1:
            return
        e2 = 2 * err
        if e2 >= dy:
            err += dy
            x0 += sx
        if e2 <= dx:
            err += dx
            y0 += sy


class Canvas:
    def __init__(self, indices):
        self.pixels = indices
        self.height, self.width = indices.shape

    def polyline(self, points, colour, allowed=None, width=1):
        """points: pixel positions as floats; drawn where allowed (a boolean array) holds."""
        target = np.zeros((self.height, self.width), dtype=bool)
        rounded = [(int(round(x)), int(round(y))) for x, y in points]
        for (x0, y0), (x1, y1) in zip(rounded, rounded[1:]):
            if max(x0, x1) < -1 or min(x0, x1) > self.width or \
               max(y0, y1) < -1 or min(y0, y1) > self.height:
                continue
            for x, y in line_pixels(x0, y0, x1, y1):
                for ox in range(width):
                    for oy in range(width):
                        px, py = x + ox, y + oy
                        if 0 <= px < self.width and 0 <= py < self.height:
                            target[py, px] = True
        if allowed is not None:
            target &= allowed
        self.pixels[target] = colour

    def fill(self, mask, colour):
        self.pixels[mask] = colour

    def text(self, x, y, text, colour, size=11, italic=False, bold=False, spacing=0,
             anchor="mm"):
        """Draws text around (x, y) (anchor as in PIL, "mm" for the middle); returns the
        pixels it covers."""
        mask = text_mask(self.width, self.height, x, y, text, size, italic, bold, spacing,
                         anchor)
        self.pixels[mask] = colour
        return mask


def _font(size, italic, bold):
    name = "DejaVuSans" + ("-Bold" if bold else "") + ("Oblique" if italic and bold else "")
    if italic and not bold:
        name += "-Oblique"
    return ImageFont.truetype(f"{FONT_DIR}/{name}.ttf", size)


def text_mask(width, height, x, y, text, size, italic, bold, spacing, anchor,
              antialias=False):
    """The pixels the text covers: a boolean array, or with antialias the share of each pixel
    that the ink covers, 0 to 1."""
    image = Image.new("L" if antialias else "1", (width, height), 0)
    draw = ImageDraw.Draw(image)
    draw.fontmode = "L" if antialias else "1"  # without, every pixel is ink or not
    ink = 255 if antialias else 1
    font = _font(size, italic, bold)
    if spacing == 0:
        draw.text((x, y), text, fill=ink, font=font, anchor=anchor)
    else:
        advances = [font.getlength(c) + spacing for c in text]
        total = sum(advances) - spacing
        cx = x - total / 2
        for c, advance in zip(text, advances):
            draw.text((cx, y), c, fill=ink, font=font, anchor="lm")
            cx += advance
    if antialias:
        return np.asarray(image, dtype=np.float32) / 255
    return np.array(image, dtype=bool)
