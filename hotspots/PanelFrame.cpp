// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFrame.h"

#include <QPainter>

namespace {

// A 3-D frame of the given width: top and left in one colour, bottom and right in the other;
// rect shrinks by the width.
void frame3D(QPainter& p, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width) {
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        p.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        p.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        p.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        p.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void bevel(QPainter& p, QRect& rect, BevelCut cut, int width, const QColor& face,
           const QColor& light, const QColor& shadow) {
    switch (cut) {
    case BevelCut::None:
        return;
    case BevelCut::Raised:
        frame3D(p, rect, light, shadow, width);
        return;
    case BevelCut::Lowered:
        frame3D(p, rect, shadow, light, width);
        return;
    case BevelCut::Space:
        frame3D(p, rect, face, face, width);
        return;
    }
}

} // namespace

int panelFrameWidth(const PanelFrameStyle& style) {
    return (style.bevelInner != BevelCut::None ? style.bevelWidth : 0) +
           (style.bevelOuter != BevelCut::None ? style.bevelWidth : 0) + style.borderWidth;
}

int panelBorderWidth(const PanelFrameStyle& style) {
    return style.singleBorder ? 2 : 0;
}

void paintPanelFrame(QPainter& painter, const QRect& rect, const PanelFrameStyle& style,
                     const QColor& face, const QColor& light, const QColor& shadow) {
    QRect r = rect;
    if (style.singleBorder) {
        frame3D(painter, r, shadow, light, 1);
        frame3D(painter, r, shadow.darker(150), face.lighter(110), 1);
    }
    bevel(painter, r, style.bevelOuter, style.bevelWidth, face, light, shadow);
    frame3D(painter, r, face, face, style.borderWidth);
    bevel(painter, r, style.bevelInner, style.bevelWidth, face, light, shadow);
    if (r.width() > 0 && r.height() > 0)
        painter.fillRect(r, face);
}
