# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The main motorways of the north, drawn on the Padania map. No road data is at hand, so this
is a hand-made list of routes through the towns they join; a waypoint that is no town of the
maps is given as (lon, lat)."""

BRENNERO = (11.507, 47.003)
COURMAYEUR = (6.972, 45.797)
BARDONECCHIA = (6.704, 45.078)
VENTIMIGLIA = (7.608, 43.792)
VOLTRI = (8.750, 44.428)
CHIASSO = (9.031, 45.832)
TARVISIO = (13.578, 46.505)
TRIESTE = (13.770, 45.650)
PALMANOVA = (13.310, 45.905)
PORTOGRUARO = (12.837, 45.776)
ASTI = (8.207, 44.900)
AULLA = (9.966, 44.214)
GRAVELLONA = (8.430, 45.930)

ROUTES = {
    "A1": ["Milano", "Lodi", "Piacenza", "Fidenza", "Parma", "Reggio Emilia", "Modena",
           "Bologna", (11.23, 44.10), "Firenze"],
    "A4": ["Torino", "Vercelli", "Novara", "Rho", "Milano", "Bergamo", "Brescia", "Verona",
           "Vicenza", "Padova", "Mestre", PORTOGRUARO, PALMANOVA, "Monfalcone", TRIESTE],
    "A5": ["Torino", (7.87, 45.47), COURMAYEUR],
    "A6": ["Torino", (7.85, 44.55), "Savona"],
    "A7": ["Milano", "Pavia", "Tortona", "Novi Ligure", "Genova"],
    "A8": ["Milano", "Rho", "Gallarate", "Varese"],
    "A9": ["Milano", "Como", CHIASSO],
    "A10": ["Genova", VOLTRI, "Savona", "Albenga", "Alassio", "Imperia", VENTIMIGLIA],
    "A11": ["Firenze", "Prato", "Pistoia", "Montecatini Terme", "Lucca", "Viareggio"],
    "A12": ["Genova", "Rapallo", "Chiavari", "La Spezia", "Carrara", "Massa", "Viareggio"],
    "A13": ["Bologna", "Ferrara", "Rovigo", "Padova"],
    "A14": ["Bologna", "Imola", "Faenza", "Forli", "Cesena", "Rimini", "Riccione"],
    "A15": ["Parma", AULLA, "La Spezia"],
    "A21": ["Torino", ASTI, "Alessandria", "Tortona", "Piacenza", "Cremona", "Brescia"],
    "A22": ["Modena", "Carpi", "Mantova", "Verona", "Rovereto", "Trento", "Bolzano",
            "Bressanone", BRENNERO],
    "A23": [PALMANOVA, "Udine", TARVISIO],
    "A26": [VOLTRI, "Alessandria", "Vercelli", GRAVELLONA],
    "A27": ["Mestre", "Treviso", "Conegliano", "Vittorio Veneto", "Belluno"],
    "A28": [PORTOGRUARO, "Pordenone", "Conegliano"],
    "A31": ["Vicenza", "Thiene"],
    "A32": ["Torino", "Rivoli", BARDONECCHIA],
    "A33": [ASTI, "Alba", "Cuneo"],
}
