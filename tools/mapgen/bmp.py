# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uncompressed 4-bit palette bitmaps, written byte by byte from palette indices."""

import struct

import numpy as np


def write_bmp4(path, indices, palette):
    """indices: [height, width] array of values 0..15; palette: 16 (r, g, b) tuples."""
    if len(palette) != 16:
        raise ValueError(f"{path}: a 4-bit bitmap needs 16 palette entries, got {len(palette)}")
    indices = np.asarray(indices)
    if indices.min() < 0 or indices.max() > 15:
        raise ValueError(f"{path}: palette index out of 0..15")
    height, width = indices.shape
    row_bytes = ((width * 4 + 31) // 32) * 4
    pixel_bytes = row_bytes * height
    offset = 14 + 40 + 16 * 4
    header = struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset)
    # 3780 pixels per metre is 96 dots per inch.
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, pixel_bytes, 3780, 3780, 16,
                       16)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    padded = np.zeros((height, row_bytes * 2), dtype=np.uint8)
    padded[:, :width] = indices
    packed = (padded[:, 0::2] << 4) | padded[:, 1::2]
    rows = packed[::-1].astype(np.uint8).tobytes()  # bottom row first
    with open(path, "wb") as f:
        f.write(header + info + colours + rows)
