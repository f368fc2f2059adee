// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Geography.h"

#include "Csv.h"
#include "ProgressSql.h"

#include <QFile>
#include <cmath>
#include <numbers>

namespace {

constexpr double EarthRadiusKm = 6371.0088;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The records after the header, each with at least the named columns; a record of other
// shape, or a number that does not read, is an error naming the file and line.
struct Table {
    QList<QStringList> rows;
    QStringList header;
};

bool readTable(const QByteArray& bytes, const QString& file, const QStringList& columns,
               Table& table, QString* error) {
    QString why;
    table.rows = parseCsv(bytes, &why);
    if (!why.isEmpty()) {
        *error = file + QLatin1String(", ") + why;
        return false;
    }
    if (table.rows.isEmpty() || table.rows.front().mid(0, columns.size()) != columns) {
        *error = ProgressText::tr("%1, line 1: the header is not \"%2\"")
                     .arg(file, columns.join(QLatin1Char(',')));
        return false;
    }
    table.header = table.rows.takeFirst();
    return true;
}

bool readNumbers(const QStringList& row, const QList<int>& columns, QList<double>& out,
                 const QString& file, int line, QString* error) {
    for (int column : columns) {
        bool ok = false;
        const double value = column < row.size() ? row[column].toDouble(&ok) : 0.0;
        if (!ok || !std::isfinite(value)) {
            *error = ProgressText::tr("%1, line %2: column %3 is not a number")
                         .arg(file)
                         .arg(line)
                         .arg(column + 1);
            return false;
        }
        out.append(value);
    }
    return true;
}

QByteArray fileBytes(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = ProgressText::tr("Unable to read %1: %2").arg(path, file.errorString());
        return {};
    }
    return file.readAll();
}

} // namespace

double greatCircleKm(GeoPoint a, GeoPoint b) {
    // The haversine form: well conditioned for towns close together.
    const double dLat = radians(b.lat - a.lat);
    const double dLon = radians(b.lon - a.lon);
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(radians(a.lat)) * std::cos(radians(b.lat)) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * EarthRadiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

Geography Geography::load(const QString& townsPath, const QString& projectionsPath,
                          QString* error) {
    QString why;
    const QByteArray towns = fileBytes(townsPath, &why);
    const QByteArray projections = why.isEmpty() ? fileBytes(projectionsPath, &why) : QByteArray();
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return {};
    }
    return fromCsv(towns, projections, error);
}

Geography Geography::fromCsv(const QByteArray& townsCsv, const QByteArray& projectionsCsv,
                             QString* error) {
    QString why;
    Geography geo;
    Table towns;
    Table pictures;
    const bool read =
        readTable(townsCsv, QStringLiteral("towns.csv"),
                  {"name", "pictures", "lon", "lat", "population", "geonames_id", "geonames_name"},
                  towns, &why) &&
        readTable(projectionsCsv, QStringLiteral("projections.csv"),
                  {"picture", "width", "height", "sx", "sy", "lon0", "lat0"}, pictures, &why);
    for (qsizetype i = 0; read && why.isEmpty() && i < towns.rows.size(); ++i) {
        QList<double> n;
        if (readNumbers(towns.rows[i], {2, 3}, n, QStringLiteral("towns.csv"), int(i) + 2, &why))
            geo.towns.insert(towns.rows[i][0].toCaseFolded(),
                             {{n[0], n[1]}, towns.rows[i].value(6, towns.rows[i][0])});
    }
    for (qsizetype i = 0; read && why.isEmpty() && i < pictures.rows.size(); ++i) {
        QList<double> n;
        if (readNumbers(pictures.rows[i], {3, 4, 5, 6}, n, QStringLiteral("projections.csv"),
                        int(i) + 2, &why))
            geo.projections.insert(pictures.rows[i][0], {n[0], n[1], n[2], n[3]});
    }
    if (error)
        *error = why;
    return why.isEmpty() ? geo : Geography();
}

std::optional<GeoPoint> Geography::town(const QString& name) const {
    const auto found = towns.constFind(name.toCaseFolded());
    return found == towns.cend() ? std::nullopt : std::optional<GeoPoint>(found->place);
}

QString Geography::properName(const QString& name) const {
    const auto found = towns.constFind(name.toCaseFolded());
    return found == towns.cend() || found->properName.isEmpty() ? name : found->properName;
}

std::optional<GeoPoint> Geography::toGeo(const QString& picture, QPointF point) const {
    const auto p = projections.constFind(picture);
    if (p == projections.cend() || p->sx == 0 || p->sy == 0)
        return std::nullopt;
    return GeoPoint{p->lon0 + point.x() / p->sx, p->lat0 - point.y() / p->sy};
}

std::optional<QPointF> Geography::toPicture(const QString& picture, GeoPoint place) const {
    const auto p = projections.constFind(picture);
    if (p == projections.cend())
        return std::nullopt;
    return QPointF(p->sx * (place.lon - p->lon0), p->sy * (p->lat0 - place.lat));
}

std::optional<double> Geography::wrongClickKm(const WrongClick& click,
                                              const QString& townAsked) const {
    const std::optional<GeoPoint> asked = town(townAsked);
    const std::optional<GeoPoint> clicked = click.kind == WrongClick::Kind::Town
                                                ? town(click.clicked)
                                                : toGeo(click.picture, QPointF(click.point));
    if (!asked || !clicked)
        return std::nullopt;
    return greatCircleKm(*clicked, *asked);
}
