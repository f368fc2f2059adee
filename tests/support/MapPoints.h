// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "HImages.h"

#include <QHash>
#include <QPoint>

// Where on a map's paint area each hotspot name can be clicked: the first point found.
inline QHash<QString, QPoint> clickablePoints(THyperImages* map) {
    QHash<QString, QPoint> points;
    const QSize size = map->PaintArea()->size();
    for (int y = 0; y < size.height(); y += 2)
        for (int x = 0; x < size.width(); x += 2) {
            QString name;
            if (map->HotspotAt(x, y, name) && !points.contains(name))
                points.insert(name, QPoint(x, y));
        }
    return points;
}
