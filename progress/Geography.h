// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgressTypes.h"

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

// Longitude and latitude in degrees.
struct GeoPoint {
    double lon = 0;
    double lat = 0;
};

// The great-circle distance on a sphere of the Earth's mean radius, 6371.0088 km.
double greatCircleKm(GeoPoint a, GeoPoint b);

// Where the content's towns lie, and how each picture maps the Earth, so that the review can
// give how far a wrong click was from the town asked.
//
// The towns come from towns.csv (name, pictures, lon, lat, population, geonames id, proper
// spelling), the pictures from projections.csv (picture, width, height, sx, sy, lon0, lat0):
// each picture is equirectangular, x = sx (lon - lon0), y = sy (lat0 - lat), in its own pixels.
class Geography {
public:
    // Reads both files (from the content resource or from disk). On bad input the result is
    // empty and error says which file and line and what is wrong.
    static Geography load(const QString& townsPath, const QString& projectionsPath, QString* error);
    static Geography fromCsv(const QByteArray& towns, const QByteArray& projections,
                             QString* error);

    // Town names as the town list spells them, matched without regard to letter case.
    std::optional<GeoPoint> town(const QString& name) const;
    QString properName(const QString& name) const; // "L'Aquila" for "L Aquila"

    std::optional<GeoPoint> toGeo(const QString& picture, QPointF point) const;
    std::optional<QPointF> toPicture(const QString& picture, GeoPoint place) const;

    // How far what was clicked lies from the town asked: the town clicked, or for a region
    // the point clicked on the picture. None when a place is unknown.
    std::optional<double> wrongClickKm(const WrongClick& click, const QString& townAsked) const;

    bool isEmpty() const { return towns.isEmpty(); }

private:
    struct Town {
        GeoPoint place;
        QString properName;
    };
    struct Projection {
        double sx, sy, lon0, lat0;
    };
    QHash<QString, Town> towns;             // by case-folded name
    QHash<QString, Projection> projections; // by picture name
};
