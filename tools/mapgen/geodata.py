# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Coasts, lakes, rivers and national borders from the GSHHG data that GMT ships, at full
resolution. GMT runs in a folder of its own under the work folder, so it writes nothing else."""

import os
import subprocess

import numpy as np

SEA, LAND, LAKE = 0, 1, 2


class GeoDataError(Exception):
    pass


class Gmt:
    def __init__(self, work_dir):
        self.dir = os.path.abspath(os.path.join(work_dir, "gmt"))
        os.makedirs(self.dir, exist_ok=True)
        self.env = dict(os.environ, GMT_USERDIR=self.dir, GMT_TMPDIR=self.dir, HOME=self.dir)

    def run(self, args, binary=False):
        cmd = ["gmt", *args, "--GMT_HISTORY=false"]
        done = subprocess.run(cmd, cwd=self.dir, env=self.env, capture_output=True)
        if done.returncode != 0:
            message = done.stderr.decode(errors="replace").strip()
            raise GeoDataError(f"'{' '.join(cmd)}' failed: {message}")
        return done.stdout if binary else done.stdout.decode()

    def landmask(self, extent, width, height, min_area_km2=1):
        """[height, width] array of SEA, LAND or LAKE, one cell per pixel, row 0 at the north.
        Islands in lakes count as land, ponds on them as lakes."""
        west, east, south, north = extent
        grid = os.path.join(self.dir, "mask.nc")
        self.run([
            "grdlandmask", f"-R{west!r}/{east!r}/{south!r}/{north!r}",
            f"-I{width}+n/{height}+n", "-r", "-Df", "-N0/1/2/1/2", f"-A{min_area_km2}",
            f"-G{grid}",
        ])
        cells = self.run(["grd2xyz", grid, "-ZTLc"], binary=True)
        if len(cells) != width * height:
            raise GeoDataError(f"land mask has {len(cells)} cells, expected {width * height}")
        return np.frombuffer(cells, dtype=np.int8).reshape(height, width).astype(np.uint8)

    def lines(self, extent, selector):
        """Line segments as lists of (lon, lat); selector is e.g. ["-I1", "-I2"] for rivers or
        ["-N1"] for national borders. Segments are cut at GMT's tile edges."""
        west, east, south, north = extent
        text = self.run(["coast", f"-R{west!r}/{east!r}/{south!r}/{north!r}", "-Df", *selector,
                         "-M"])
        segments, current = [], []
        for line in text.splitlines():
            if line.startswith(">"):
                if len(current) > 1:
                    segments.append(current)
                current = []
            elif line.strip():
                lon, lat = line.split()[:2]
                current.append((float(lon), float(lat)))
        if len(current) > 1:
            segments.append(current)
        return segments
