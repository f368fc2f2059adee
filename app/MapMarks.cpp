// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapMarks.h"

#include "Catalogue.h"
#include "CustomHImages.h"
#include "HotspotDefinition.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

std::optional<QRectF> HotspotBox(const QStringList& definitions, const QString& picture,
                                 const QString& town) {
    for (const QString& line : definitions) {
        const DefinitionParts parts = SplitDefinition(line);
        if (parts.picture != picture || parts.name != town)
            continue;
        const THotspotRec rec = ParseHotspot(line);
        const int corners =
            rec.Shape == 2 ? 4 : rec.Count; // a rounded box's fifth pair is no corner
        if (corners <= 0)
            continue;
        qreal left = rec.Points[0].x, right = left, top = rec.Points[0].y, bottom = top;
        for (int i = 1; i < corners; ++i) {
            left = std::min<qreal>(left, rec.Points[std::size_t(i)].x);
            right = std::max<qreal>(right, rec.Points[std::size_t(i)].x);
            top = std::min<qreal>(top, rec.Points[std::size_t(i)].y);
            bottom = std::max<qreal>(bottom, rec.Points[std::size_t(i)].y);
        }
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    return std::nullopt;
}

QString PictureOfTown(const QStringList& definitions, const QString& town) {
    for (const QString& line : definitions) {
        const DefinitionParts parts = SplitDefinition(line);
        if (parts.name == town)
            return parts.picture;
    }
    return {};
}

QRectF PointBox(QPointF point) {
    return QRectF(point - QPointF(4, 4), QSizeF(8, 8));
}

QPointF KeptInside(QPointF inside, QPointF end, const QSizeF& picture) {
    const QRectF area(QPointF(0, 0), picture);
    if (area.contains(end))
        return end;
    // The last point of the line still inside, halving the step each time.
    qreal in = 0, out = 1;
    for (int i = 0; i < 24; ++i) {
        const qreal mid = (in + out) / 2;
        (area.contains(inside + (end - inside) * mid) ? in : out) = mid;
    }
    return inside + (end - inside) * in;
}

void PaintMarks(QPainter& painter, int scale, const QSizeF& picture, const MapMarks& marks) {
    const qreal f = scale / 100.0;
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    // Texts stay on the picture: one that would run over its right edge goes left of its place.
    const qreal right = picture.width() * f;
    const auto outlinedText = [&](QPointF at, const QString& text, const QColor& color) {
        const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(text);
        if (at.x() + width > right)
            at.setX(right - width - 2);
        at.setX(std::max<qreal>(0, at.x()));
        at.setY(std::max<qreal>(at.y(), QFontMetricsF(painter.font()).ascent()));
        QPainterPath path;
        path.addText(at, painter.font(), text);
        painter.strokePath(path, QPen(Qt::white, 3));
        painter.fillPath(path, color);
    };
    for (const MapLine& line : marks.lines) {
        const QPointF from = line.from * f;
        const QPointF to = KeptInside(line.from, line.to, picture) * f;
        painter.setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
        painter.drawLine(from, to);
        if (line.label.isEmpty())
            continue;
        // Beside the place clicked, on the side away from the right place.
        const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(line.label);
        outlinedText(to +
                         QPointF(to.x() >= from.x() ? 8 : -8 - width, to.y() >= from.y() ? 14 : -8),
                     line.label, QColor(120, 0, 0));
    }
    for (const MapMark& mark : marks.marks) {
        if (mark.style == MapMark::Dot) {
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(mark.color);
            painter.drawEllipse(mark.box.center() * f, 5, 5);
            continue;
        }
        QRectF box(mark.box.topLeft() * f, mark.box.bottomRight() * f);
        box = box.adjusted(-4, -4, 4, 4);
        QColor fill = mark.color;
        fill.setAlpha(90);
        painter.setPen(QPen(mark.color, 3));
        painter.setBrush(fill);
        painter.drawEllipse(box);
        if (!mark.label.isEmpty())
            outlinedText(box.topRight() + QPointF(2, 0), mark.label, mark.color.darker(160));
    }
}

void ShowMarks(TCustomHyperImages& map, const MapMarks& marks) {
    TCustomHyperImages* shown = &map;
    map.setOverlayPainter([shown, marks](QPainter& painter, int scale) {
        PaintMarks(painter, scale, shown->PictureImage().size(), marks);
    });
}
