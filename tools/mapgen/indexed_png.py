# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Indexed PNG files for anti-aliased maps. Every pixel of such a map is, nearly always, a
blend of two of its few colours, so the palette holds those colours and their blends in
twelfths; the entries left over go, one by one, to the colour that is worst served so far
(where a patch, a road and the land meet). Each pixel takes the nearest entry. The map's own
colours stay exact, and the same pixels give the same bytes."""

import itertools

import numpy as np
from PIL import Image

STEPS = 12


def blend_palette(colours):
    """The colours, then for each pair of them the blends 1/STEPS .. (STEPS-1)/STEPS."""
    entries = [tuple(c) for c in colours]
    for a, b in itertools.combinations(colours, 2):
        for k in range(1, STEPS):
            entries.append(tuple(round(ca + (cb - ca) * k / STEPS) for ca, cb in zip(a, b)))
    if len(entries) > 256:
        raise ValueError(f"{len(colours)} colours make {len(entries)} palette entries, over 256")
    return np.array(entries, dtype=np.int32)


def write(path, rgb, colours):
    """rgb: [height, width, 3] uint8; colours: the map's own colours, at most 7."""
    palette = blend_palette(colours)
    wide = rgb.astype(np.int32)
    packed = (wide[..., 0] << 16) | (wide[..., 1] << 8) | wide[..., 2]
    unique, inverse = np.unique(packed.ravel(), return_inverse=True)
    seen = np.stack([unique >> 16, (unique >> 8) & 255, unique & 255], axis=1)
    distance = ((seen[:, None, :] - palette[None, :, :]) ** 2).sum(axis=2)
    nearest = np.argmin(distance, axis=1)
    error = distance[np.arange(len(seen)), nearest]
    entries = list(map(tuple, palette))
    while len(entries) < 256 and error.max() > 0:
        worst = int(np.argmax(error))
        entries.append(tuple(seen[worst]))
        closer = ((seen - seen[worst]) ** 2).sum(axis=1) < error
        nearest[closer] = len(entries) - 1
        error = np.minimum(error, ((seen - seen[worst]) ** 2).sum(axis=1))
    palette = np.array(entries, dtype=np.int32)
    indices = nearest.astype(np.uint8)[inverse].reshape(packed.shape)
    image = Image.fromarray(indices, "P")
    image.putpalette(palette.astype(np.uint8).ravel().tolist())
    image.save(path, optimize=True)
