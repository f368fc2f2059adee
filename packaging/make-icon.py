#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's icon from the nation map: sea and lakes blue, land sand-coloured, the
lettering, borders and town dots taken out, on a rounded square. Writes terrava.png (256 pixels,
also the game's built-in window icon), terrava.svg (the land traced as curves) and
icons/terrava-SIZE.png for the smaller sizes into the packaging folder:

    packaging/make-icon.py content/Italia.bmp packaging

Needs Pillow and potrace (Debian: python3-pil potrace). The results are committed; run this
again only when the map changes."""
import os
import re
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageFilter

SIZE = 256
SMALL_SIZES = (16, 22, 24, 32, 48, 64, 128)
RADIUS = 40
SEA = (207, 223, 239)
LAKE = (127, 159, 207)
SEA_OUT = (46, 111, 181, 255)
LAND_OUT = (236, 222, 170, 255)


def water_mask(picture):
    """255 where water is, at the picture's size."""
    water = Image.new("L", picture.size, 0)
    water.putdata([255 if p in (SEA, LAKE) else 0 for p in picture.getdata()])
    # Letters and dots are a few pixels wide: a median filter removes them from both colours.
    return water.filter(ImageFilter.MedianFilter(7))


def fitting(picture):
    """The map fitted into the square, keeping its proportions, centred: scale and size."""
    scale = (SIZE - 16) / max(picture.size)
    return scale, (round(picture.width * scale), round(picture.height * scale))


def draw_png(picture, water):
    scale, fitted = fitting(picture)
    water = water.resize(fitted, Image.LANCZOS)
    map_rgba = Image.composite(Image.new("RGBA", fitted, SEA_OUT),
                               Image.new("RGBA", fitted, LAND_OUT), water)
    icon = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    frame = Image.new("L", (SIZE, SIZE), 0)
    ImageDraw.Draw(frame).rounded_rectangle((0, 0, SIZE - 1, SIZE - 1), radius=RADIUS, fill=255)
    background = Image.new("RGBA", (SIZE, SIZE), SEA_OUT)
    background.paste(map_rgba, ((SIZE - fitted[0]) // 2, (SIZE - fitted[1]) // 2))
    icon.paste(background, (0, 0), frame)
    return icon


def draw_svg(picture, water):
    """The land traced by potrace at the map's own pixels, placed as in the PNG."""
    scale, fitted = fitting(picture)
    with tempfile.TemporaryDirectory() as work:
        land = os.path.join(work, "land.pbm")
        water.point(lambda v: 255 if v >= 128 else 0).convert("1").save(land)  # land is black
        traced = subprocess.run(["potrace", "--svg", "--flat", "--turdsize", "8",
                                 "--output", "-", land],
                                check=True, capture_output=True, text=True).stdout
    inner = re.search(r'<g transform="([^"]+)"', traced).group(1)
    paths = " ".join(re.findall(r'\sd="([^"]+)"', traced))
    colour = "#%02x%02x%02x"
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">
  <clipPath id="frame"><rect width="{SIZE}" height="{SIZE}" rx="{RADIUS}"/></clipPath>
  <g clip-path="url(#frame)">
    <rect width="{SIZE}" height="{SIZE}" fill="{colour % SEA_OUT[:3]}"/>
    <g transform="translate({(SIZE - fitted[0]) / 2:g} {(SIZE - fitted[1]) / 2:g}) scale({scale:.6f})">
      <g transform="{inner}" fill="{colour % LAND_OUT[:3]}">
        <path d="{' '.join(paths.split())}"/>
      </g>
    </g>
  </g>
</svg>
"""


def main(source, folder):
    picture = Image.open(source).convert("RGB")
    water = water_mask(picture)
    icon = draw_png(picture, water)
    icon.save(os.path.join(folder, "terrava.png"), optimize=True)
    os.makedirs(os.path.join(folder, "icons"), exist_ok=True)
    for size in SMALL_SIZES:
        icon.resize((size, size), Image.LANCZOS).save(
            os.path.join(folder, "icons", f"terrava-{size}.png"), optimize=True)
    with open(os.path.join(folder, "terrava.svg"), "w", encoding="utf-8") as f:
        f.write(draw_svg(picture, water))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make-icon.py NATION_MAP.bmp PACKAGING_FOLDER")
    main(sys.argv[1], sys.argv[2])
