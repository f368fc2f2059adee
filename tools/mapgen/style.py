# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The maps' palette and the sizes of what is drawn on them."""

import math

# Palette indices. The first eight are the colours the maps use; the rest complete a 16-colour
# palette and are never drawn.
SEA, LAND, WATER, COAST, TOWN, ROAD, LETTERING, BLACK = range(8)

PALETTE = [
    (207, 223, 239),  # sea
    (240, 240, 224),  # land
    (127, 159, 207),  # lakes and rivers
    (176, 207, 192),  # coastlines and national borders
    (0, 128, 0),  # towns
    (192, 16, 31),  # motorways
    (64, 64, 64),  # names of countries and lakes
    (0, 0, 0),
    (128, 0, 0), (0, 0, 128), (128, 128, 0), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 255, 255),
]


def hotspot_size(population):
    """Width and height of a town's hotspot box on a region picture: about the width of a
    disc whose area follows the population, within 7 and 40 pixels."""
    side = round(0.037 * math.sqrt(population))
    side = min(40, max(7, side))
    return side, side


def patch_inset(box_side):
    """How many pixels a town's dark-green patch stays inside its hotspot's edge."""
    return max(1, round(box_side * 0.1))


def nation_patch_size(population):
    """The diameter of a town's patch on the nation map."""
    return min(6, max(2, round(0.0055 * math.sqrt(population))))
