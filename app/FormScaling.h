// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRect>
#include <cstdint>

class QWidget;

// The layout was drawn for an 800 x 600 screen; the main window grows or shrinks by M / D,
// with M the rounded root of the screen's pixel count and D that of 800 x 600 (693).
struct ScreenScale {
    std::int32_t M = 693;
    std::int32_t D = 693;
};

ScreenScale ScaleForScreen(std::int32_t width, std::int32_t height);

// The title bar and frame a desktop puts around a window, in device-independent pixels. The
// real frame is known only once the window is on screen, long after it has been scaled.
inline constexpr QMargins WindowFrameAllowance{4, 36, 4, 4};

// What the player must see of the window, in its client coordinates: every control as far as
// its parents show it. A page hides what lies beyond its edges (the region map's top, the
// radio group's bottom border), and the page control's own overhanging border is no control.
QRect VisibleLayoutExtent(const QWidget* form);

// M lowered to the largest value at which the extent, laid out at M = D and scaled by M / D,
// fits the area with the frame around it; M stays as it is where it fits already.
ScreenScale FitScale(const ScreenScale& scale, const QRect& extent, const QSize& area,
                     const QMargins& frame);

// The scale for the primary screen: M from the screen's size, lowered where the window would
// not fit the screen's available area.
ScreenScale ScaleForPrimaryScreen(const QWidget* form);

// A control's box scaled by M / D: left and top, right and bottom edges each scaled, so that
// neighbouring controls stay flush.
QRect ScaleRect(const QRect& rect, const ScreenScale& scale);

// Scales every control of the window at every depth, their own fonts, and the window's client
// size and font; the window keeps its top-left corner. Labels size themselves to their text in
// the scaled font, single-line entries and list rows take the height of their scaled font, and
// the indicators of check boxes and radio buttons grow with the scale.
void ScaleForm(QWidget* form, const ScreenScale& scale);

// Fonts are laid out in points at 96 dots per inch; this sets each own font of the window's
// controls (and the window's) to the pixel height of its point size, and remembers the points
// for later scaling.
void UsePixelFonts(QWidget* form);
