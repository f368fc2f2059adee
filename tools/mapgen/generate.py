# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates the map content from the sources: python3 generate.py WORK_DIR CONTENT_DIR."""

import os
import shutil
import sys
import time

import bmp
import catalogue
import geodata
import help_page
import hotspots
import maps
import nationfit
import overlay
import projection
import shapes
import sounds
import style
import towns as town_data
import variant

# The four pictures outside the layout are sized so that every town on them lies below the
# regions map's hidden top strip (see layout.py), and so that they show their whole region.
PICTURE_SIZES = {
    "Italia.bmp": (561, 623),
    "Padania.bmp": (952, 647),
    "Etruria.bmp": (1030, 540),
    "Ausonia.bmp": (1040, 645),
    "Sicilia.bmp": (560, 345),
    "Sardegna.bmp": (280, 490),
}


def write_text(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(line + "\n" for line in lines))


def write_projections(path, projections):
    lines = ["picture,width,height,sx,sy,lon0,lat0"]
    for picture in sorted(projections):
        p = projections[picture]
        w, h = PICTURE_SIZES[picture]
        lines.append(f"{picture},{w},{h},{p.sx:.5f},{p.sy:.5f},{p.lon0:.6f},{p.lat0:.6f}")
    write_text(path, lines)


def main(work_dir, content_dir):
    started = time.monotonic()
    images_dir = os.path.join(content_dir, "images")
    sounds_dir = os.path.join(content_dir, "sounds")
    overlay_dir = os.path.join(work_dir, "overlays")
    for d in (images_dir, sounds_dir, overlay_dir):
        os.makedirs(d, exist_ok=True)

    towns = town_data.find_towns(os.path.join(work_dir, "cities-it.jsonl"))
    pictures_of = {name: [] for name in towns}
    for picture in sorted(catalogue.PICTURE_TOWNS):
        for name in catalogue.PICTURE_TOWNS[picture]:
            pictures_of[name].append(picture)
    town_data.write_csv(towns, pictures_of, os.path.join(content_dir, "towns.csv"))

    fit_points = projection.fit_points(catalogue.GIVEN_DEFINITIONS, towns)
    projections = projection.fit_region_projections(fit_points)
    gmt = geodata.Gmt(work_dir)
    fit = nationfit.NationFit(towns, nationfit.country_points(gmt))
    projections["Italia.bmp"] = fit.fit()
    write_projections(os.path.join(content_dir, "projections.csv"), projections)
    print("projections (x = sx*(lon-lon0), y = sy*(lat0-lat)):")
    for picture in sorted(projections):
        print(f"  {picture}: {projections[picture]}")
    for p, dx, dy in projection.residuals(fit_points, projections):
        print(f"  fit residual {p.picture}/{p.town}: {dx:+.2f}, {dy:+.2f} px")

    nation = projections["Italia.bmp"]
    outside = fit.towns_outside(nation)
    print(f"towns outside every polygon of their pictures on Italia.bmp: {len(outside)}: "
          + ", ".join(outside))
    print(f"country land outside all polygons: {fit.land_outside(nation):.2f} %")

    palette = style.PALETTE
    town_lines = []
    for picture in catalogue.REGION_PICTURES:
        size = PICTURE_SIZES[picture]
        spots = hotspots.picture_hotspots(picture, catalogue.PICTURE_TOWNS[picture], towns,
                                          projections[picture])
        pixels = maps.region_picture(gmt, picture, projections[picture], size, spots, towns)
        bmp.write_bmp4(os.path.join(images_dir, picture), pixels, palette)
        variant.write_png(os.path.join(images_dir, variant.variant_name(picture)),
                          variant.draw(gmt, picture, projections[picture], size, towns, spots))
        if picture == "Padania.bmp":
            for name in (picture, variant.variant_name(picture)):
                shutil.copyfile(os.path.join(images_dir, name), os.path.join(content_dir, name))
        overlay.region_overlay(os.path.join(overlay_dir, picture.replace(".bmp", ".png")),
                               pixels, palette, spots, towns, projections[picture])
        town_lines += [s.line() for s in spots]
    write_text(os.path.join(content_dir, "town-hotspots.txt"), hotspots.sorted_lines(town_lines))
    write_text(os.path.join(content_dir, "nation-hotspots.txt"),
               hotspots.sorted_lines(catalogue.NATION_DEFINITIONS))

    nation_pixels = maps.nation_picture(gmt, nation, PICTURE_SIZES["Italia.bmp"], towns)
    bmp.write_bmp4(os.path.join(content_dir, "Italia.bmp"), nation_pixels, palette)
    variant.write_png(os.path.join(content_dir, variant.variant_name("Italia.bmp")),
                      variant.draw(gmt, "Italia.bmp", nation, PICTURE_SIZES["Italia.bmp"], towns,
                                   None))
    overlay.nation_overlay(os.path.join(overlay_dir, "Italia.png"), nation_pixels, palette,
                           catalogue.NATION_DEFINITIONS, towns, nation)

    sounds.generate(sounds_dir)
    help_page.write(images_dir)
    print(f"content regenerated in {time.monotonic() - started:.1f} s")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: generate.py WORK_DIR CONTENT_DIR")
    try:
        main(sys.argv[1], sys.argv[2])
    except (town_data.TownError, geodata.GeoDataError, sounds.SoundError,
            shapes.DefinitionError) as e:
        sys.exit(f"generate: {e}")
