// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// How a map places its picture: the arithmetic of the component's layout step, free of widgets.
struct LayoutInput {
    std::int32_t componentWidth = 0;
    std::int32_t componentHeight = 0;
    std::int32_t frame = 0;  // bevels and border width inside the panel
    std::int32_t border = 0; // 2 for a single border, else 0
    std::int32_t pictureWidth = 0;
    std::int32_t pictureHeight = 0;
    std::int32_t scale = 100;
    bool autoScaleImage = false;
    bool autoScalePanel = false;
};

struct LayoutResult {
    bool applies = false; // false: leave sizes, positions and Scale alone and do not repaint
    std::int32_t scale = 100;
    // The paint area in the component's client coordinates (inside the single border).
    std::int32_t paintLeft = 0;
    std::int32_t paintTop = 0;
    std::int32_t paintWidth = 0;
    std::int32_t paintHeight = 0;
    // The component's own size: changed only when it follows the picture.
    std::int32_t componentWidth = 0;
    std::int32_t componentHeight = 0;
};

LayoutResult ComputeLayout(const LayoutInput& input);

// Rounding to the nearest integer with halves going to the even neighbour.
std::int64_t RoundHalfEven(long double value);
