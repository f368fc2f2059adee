# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Names written on the maps: neighbouring countries upright, lakes in italics, each placed by
hand at a (lon, lat) with a PIL anchor ("mm" centred, "lm" starting there, "rm" ending there)."""

from dataclasses import dataclass


@dataclass(frozen=True)
class Label:
    text: str
    lon: float
    lat: float
    lake: bool = False
    anchor: str = "mm"
    size: int = 10


COUNTRY_NAME = "ITALIA"
COUNTRY_NAME_AT = (13.65, 41.95)

LABELS = {
    "Italia.bmp": [
        Label("FRANCIA", 6.85, 44.05, size=9),
        Label("SVIZZERA", 8.3, 46.8, size=9),
        Label("AUSTRIA", 13.3, 46.93, size=9),
        Label("UNGHERIA", 17.3, 46.45, size=9),
        Label("SLOVENIA", 14.75, 46.1, size=9),
        Label("CROAZIA", 15.5, 45.2, size=9),
        Label("BOSNIA", 17.9, 44.3, size=9),
        Label("FRANCIA", 9.1, 42.1, size=8),
        Label("TUNISIA", 9.6, 36.72, size=9),
        Label("ALGERIA", 7.2, 36.65, size=9),
        Label("Garda", 10.5, 45.62, lake=True, anchor="rm", size=8),
        Label("Balaton", 17.75, 47.06, lake=True, size=8),
    ],
    "Padania.bmp": [
        Label("SVIZZERA", 8.9, 46.45),
        Label("AUSTRIA", 13.3, 46.72),
        Label("FRANCIA", 7.0, 43.9),
        Label("Lago Maggiore", 8.5, 45.9, lake=True, anchor="rm"),
        Label("Lago di Como", 9.36, 46.1, lake=True, anchor="lm"),
        Label("Lago d'Iseo", 10.07, 45.87, lake=True, anchor="mb"),
        Label("Lago di Garda", 10.55, 45.62, lake=True, anchor="rm"),
    ],
    "Etruria.bmp": [
        Label("CROAZIA", 16.45, 43.85),
        Label("Lago Trasimeno", 12.02, 43.14, lake=True, anchor="rm"),
        Label("Lago di Bolsena", 11.8, 42.6, lake=True, anchor="rm"),
        Label("Lago di Bracciano", 12.1, 42.12, lake=True, anchor="rm"),
    ],
    "Ausonia.bmp": [
        Label("ALBANIA", 19.8, 40.75),
        Label("GRECIA", 20.1, 39.6),
    ],
    "Sicilia.bmp": [],
    "Sardegna.bmp": [],
}
