#!/usr/bin/python3
"""Draws the program's icon from the nation map: sea and lakes blue, land sand-coloured, the
lettering, borders and town dots taken out, on a rounded square.

    python3 packaging/make-icon.py content/Italia.bmp packaging/terrava.png

Needs Pillow (Debian: python3-pil). The result is committed; run this again only when the map
changes."""
import sys

from PIL import Image, ImageDraw, ImageFilter

SIZE = 256
SEA = (207, 223, 239)
LAKE = (127, 159, 207)
SEA_OUT = (46, 111, 181, 255)
LAND_OUT = (236, 222, 170, 255)


def main(source, target):
    picture = Image.open(source).convert("RGB")
    # A two-colour mask: 255 where water is.
    water = Image.new("L", picture.size, 0)
    water.putdata([255 if p in (SEA, LAKE) else 0 for p in picture.getdata()])
    # Letters and dots are a few pixels wide: a median filter removes them from both colours.
    water = water.filter(ImageFilter.MedianFilter(7))
    # Fit the map into the square, keeping its proportions, centred.
    scale = (SIZE - 16) / max(picture.size)
    fitted = (round(picture.width * scale), round(picture.height * scale))
    water = water.resize(fitted, Image.LANCZOS)
    map_rgba = Image.composite(Image.new("RGBA", fitted, SEA_OUT),
                               Image.new("RGBA", fitted, LAND_OUT), water)
    icon = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    frame = Image.new("L", (SIZE, SIZE), 0)
    ImageDraw.Draw(frame).rounded_rectangle((0, 0, SIZE - 1, SIZE - 1), radius=40, fill=255)
    background = Image.new("RGBA", (SIZE, SIZE), SEA_OUT)
    background.paste(map_rgba, ((SIZE - fitted[0]) // 2, (SIZE - fitted[1]) // 2))
    icon.paste(background, (0, 0), frame)
    icon.save(target, optimize=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make-icon.py NATION_MAP.bmp ICON.png")
    main(sys.argv[1], sys.argv[2])
