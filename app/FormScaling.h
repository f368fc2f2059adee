#pragma once

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

// A control's box scaled by M / D: left and top, right and bottom edges each scaled, so that
// neighbouring controls stay flush.
QRect ScaleRect(const QRect& rect, const ScreenScale& scale);

// Scales every control of the window at every depth, their own fonts, and the window's client
// size and font; the window keeps its top-left corner. Labels size themselves to their text in
// the scaled font, single-line entries take the height of their scaled font.
void ScaleForm(QWidget* form, const ScreenScale& scale);

// Fonts are laid out in points at 96 dots per inch; this sets each own font of the window's
// controls (and the window's) to the pixel height of its point size, and remembers the points
// for later scaling.
void UsePixelFonts(QWidget* form);
