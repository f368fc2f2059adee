// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>

class QPainter;
class TCustomHyperImages;

// Places marked on a map, in the picture's own pixels: a town's hotspot ringed in a colour,
// and lines between places with their length written beside them.
struct MapMark {
    QRectF box; // the hotspot's box, or a small box around a point
    QColor color;
    QString label;
    enum Style { Ring, Dot } style = Ring; // a dot of one size marks many towns at once
};

struct MapLine {
    QPointF from;
    QPointF to;
    QString label;
};

struct MapMarks {
    QList<MapMark> marks;
    QList<MapLine> lines;
};

// The box of the town's hotspot on the picture, from the map's definitions; none when the
// picture does not show it.
std::optional<QRectF> HotspotBox(const QStringList& definitions, const QString& picture,
                                 const QString& town);

// The picture that shows the town: that of its first definition; empty when none does.
QString PictureOfTown(const QStringList& definitions, const QString& town);

// A box of a few pixels around a point, for places that have no hotspot on the picture.
QRectF PointBox(QPointF point);

// A line that leaves the picture is cut at its edge, so that it points the way.
QPointF KeptInside(QPointF inside, QPointF end, const QSizeF& picture);

// Draws the marks over a map at its Scale; lines first, so that the rings stay readable.
void PaintMarks(QPainter& painter, int scale, const QSizeF& picture, const MapMarks& marks);

// Has the map draw the marks over its picture from now on.
void ShowMarks(TCustomHyperImages& map, const MapMarks& marks);
