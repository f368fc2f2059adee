# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds every town of the maps in the GeoNames entries: its real position and population."""

import json
import unicodedata
from dataclasses import dataclass

from catalogue import ALIASES, PICTURE_TOWNS, REGION_OF_AMBIGUOUS


class TownError(Exception):
    pass


@dataclass(frozen=True)
class Town:
    name: str
    lon: float
    lat: float
    population: int
    geonames_id: int
    geonames_name: str


def plain_name(text):
    """The name as the maps write it: no accents, a blank for an apostrophe or a hyphen."""
    decomposed = unicodedata.normalize("NFKD", text)
    letters = "".join(c for c in decomposed if not unicodedata.combining(c))
    for mark in ("'", "\u2019", "-"):
        letters = letters.replace(mark, " ")
    return " ".join(letters.split())


def proper_spelling(town):
    """The name as the player reads it: GeoNames' name where it is the same name with the
    accents and apostrophes the maps leave out ("Forlì", "L'Aquila"); the maps' name
    otherwise. A hyphen that GeoNames puts where the town's own name has a blank is not
    taken ("Montecatini Terme")."""
    g = town.geonames_name
    if plain_name(g) == town.name and "-" not in g:
        return g
    return town.name


def read_entries(path):
    with open(path, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def all_town_names():
    names = []
    for picture in sorted(PICTURE_TOWNS):
        for name in PICTURE_TOWNS[picture]:
            if name not in names:
                names.append(name)
    return names


def find_town(name, by_plain_name):
    wanted = ALIASES.get(name, name)
    entries = by_plain_name.get(plain_name(wanted).lower(), [])
    if name in REGION_OF_AMBIGUOUS:
        entries = [e for e in entries if e["admin"] == REGION_OF_AMBIGUOUS[name]]
        entries.sort(key=lambda e: (-e["population"], e["id"]))
        entries = entries[:1]
    if not entries:
        raise TownError(f"town '{name}': no Italian GeoNames entry is named '{wanted}'")
    if len(entries) > 1:
        found = ", ".join(f"{e['name']} (id {e['id']}, region {e['admin']})" for e in entries)
        raise TownError(f"town '{name}' is ambiguous: {found}; add it to REGION_OF_AMBIGUOUS")
    e = entries[0]
    return Town(name, e["lon"], e["lat"], e["population"], e["id"], e["name"])


def find_towns(entries_path):
    """Every distinct town name of the maps, mapped to its Town."""
    by_plain_name = {}
    for entry in read_entries(entries_path):
        by_plain_name.setdefault(plain_name(entry["name"]).lower(), []).append(entry)
    return {name: find_town(name, by_plain_name) for name in all_town_names()}


def write_csv(towns, pictures_of, path):
    lines = ["name,pictures,lon,lat,population,geonames_id,geonames_name,spelling"]
    for name in sorted(towns):
        t = towns[name]
        lines.append(
            f"{t.name},{' '.join(pictures_of[name])},{t.lon:.5f},{t.lat:.5f},"
            f"{t.population},{t.geonames_id},{t.geonames_name},{proper_spelling(t)}"
        )
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
