# SPDX-FileCopyrightText: 2026 Terrava developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The fixed content of the maps: which towns stand on which picture, the nation polygons, the
definitions whose coordinates are given, and how town names are found in the GeoNames data."""

PICTURE_TOWNS = {
    "Ausonia.bmp": [
        "Bari", "Caserta", "Lecce", "Messina", "Napoli", "Palermo", "Potenza",
        "Reggio Calabria", "Salerno", "Taranto",
    ],
    "Etruria.bmp": [
        "Ancona", "Anzio", "Arezzo", "Ascoli Piceno", "Carrara", "Cesena", "Chieti", "Fano",
        "Firenze", "Foggia", "Foligno", "Forli", "Frosinone", "Grosseto", "Jesi", "L Aquila",
        "La Spezia", "Latina", "Livorno", "Lucca", "Massa", "Montecatini Terme", "Ostia",
        "Perugia", "Pesaro", "Pescara", "Pisa", "Pistoia", "Prato", "Riccione", "Rimini", "Roma",
        "Senigallia", "Siena", "Teramo", "Terni", "Viareggio", "Viterbo",
    ],
    "Padania.bmp": [
        "Abano Terme", "Alassio", "Alba", "Albenga", "Alessandria", "Aosta",
        "Bassano del Grappa", "Belluno", "Bergamo", "Biella", "Bologna", "Bolzano", "Brescia",
        "Bressanone", "Busto Arsizio", "Carpi", "Carrara", "Casale Monferrato", "Cervia",
        "Cesena", "Cesenatico", "Chiavari", "Como", "Conegliano", "Cortina di Ampezzo", "Crema",
        "Cremona", "Cuneo", "Faenza", "Ferrara", "Fidenza", "Firenze", "Forli", "Gallarate",
        "Genova", "Gorizia", "Imola", "Imperia", "Jesolo", "La Spezia", "Lecco",
        "Lignano Sabbiadoro", "Lodi", "Lucca", "Mantova", "Massa", "Merano", "Mestre", "Milano",
        "Modena", "Monfalcone", "Montecatini Terme", "Monza", "Novara", "Novi Ligure", "Padova",
        "Parma", "Pavia", "Piacenza", "Pinerolo", "Pistoia", "Pordenone", "Prato", "Rapallo",
        "Ravenna", "Reggio Emilia", "Rho", "Riccione", "Rimini", "Rivoli", "Rovereto", "Rovigo",
        "Salsomaggiore", "Sassuolo", "Savona", "Schio", "Thiene", "Torino", "Tortona", "Trento",
        "Treviso", "Udine", "Valdagno", "Varese", "Venezia", "Verbania", "Vercelli", "Verona",
        "Viareggio", "Vicenza", "Vigevano", "Vittorio Veneto",
    ],
    "Sardegna.bmp": ["Cagliari", "Sassari"],
    "Sicilia.bmp": ["Catania", "Messina", "Palermo"],
}

REGION_PICTURES = ["Padania.bmp", "Etruria.bmp", "Ausonia.bmp", "Sicilia.bmp", "Sardegna.bmp"]

NATION_DEFINITIONS = [
    "Italia.bmp/Ausonia=13;344,362;411,321;440,307;535,406;533,432;470,392;453,431;476,452;"
    "482,481;437,541;415,544;415,528;423,498;",
    "Italia.bmp/Etruria=7;185,207;286,186;325,211;439,306;344,361;302,351;217,282;",
    "Italia.bmp/Padania=13;26,73;37,167;60,196;86,190;123,158;185,204;285,184;277,128;337,87;"
    "331,30;264,3;192,15;102,38;",
    "Italia.bmp/Sardegna=6;87,364;97,482;113,489;162,475;164,345;94,346;",
    "Italia.bmp/Sicilia=5;267,546;279,521;413,519;393,614;368,617;",
]

# Town definitions whose coordinates are fixed; they also pin the projection of their pictures.
GIVEN_DEFINITIONS = [
    "Ausonia.bmp/Napoli=7;229,113;241,101;253,101;271,117;270,130;249,114;236,127;",
    "Padania.bmp/Milano=-3;328,297;370,332;",
    "Etruria.bmp/Roma=-3;409,423;450,463;",
    "Padania.bmp/Genova=-3;292,504;337,526;",
    "Padania.bmp/Rivoli=-3;124,386;131,396;",
    "Etruria.bmp/Forli=-3;360,1;376,9;",
    "Etruria.bmp/Firenze=-3;247,76;272,94;",
    "Padania.bmp/Firenze=-3;608,623;629,640;",
    "Sicilia.bmp/Palermo=-3;134,42;160,67;",
    "Sardegna.bmp/Cagliari=-3;151,401;165,416;",
    "Sicilia.bmp/Catania=-3;368,158;384,186;",
    "Etruria.bmp/Ascoli Piceno=-3;564,255;578,266;",
    "Etruria.bmp/L Aquila=-3;534,348;553,361;",
]

# Names that GeoNames spells otherwise (after accents and apostrophes are dropped).
ALIASES = {
    "Napoli": "Naples",
    "Firenze": "Florence",
    "Roma": "Rome",
    "Milano": "Milan",
    "Torino": "Turin",
    "Genova": "Genoa",
    "Venezia": "Venice",
    "Reggio Emilia": "Reggio nell Emilia",
    "Cortina di Ampezzo": "Cortina d Ampezzo",
    "Salsomaggiore": "Salsomaggiore Terme",
    "Ostia": "Lido di Ostia",
    "Carpi": "Carpi Centro",
    "Jesolo": "Iesolo",
}

# Names held by several Italian entries: the GeoNames region code of the town meant
# (16 Tuscany, 17 Trentino-South Tyrol). The most populous entry of that region is taken.
REGION_OF_AMBIGUOUS = {
    "Massa": "16",
    "Prato": "16",
    "Rovereto": "17",
}
