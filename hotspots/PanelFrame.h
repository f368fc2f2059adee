// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The bevelled frame of a panel: an outer bevel, a flat border band of the panel's colour, an
// inner bevel, and optionally a single sunken border of 2 pixels around all of it.
enum class BevelCut { None, Lowered, Raised, Space };

struct PanelFrameStyle {
    BevelCut bevelInner = BevelCut::None;
    BevelCut bevelOuter = BevelCut::Raised;
    int bevelWidth = 1;
    int borderWidth = 0;
    bool singleBorder = false;
};

// Width of bevels and border band, inside the single border.
int panelFrameWidth(const PanelFrameStyle& style);
// 2 with a single border, else 0.
int panelBorderWidth(const PanelFrameStyle& style);

// Paints the border, the bevels and the panel's face inside them into rect.
void paintPanelFrame(QPainter& painter, const QRect& rect, const PanelFrameStyle& style,
                     const QColor& face, const QColor& light, const QColor& shadow);
