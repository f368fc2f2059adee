// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Layout.h"

#include <cfenv>
#include <cmath>

std::int64_t RoundHalfEven(long double value) {
    // llrintl rounds in the current mode, which is to-nearest-even unless someone changed it.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const std::int64_t result = std::llrint(value);
    if (mode != FE_TONEAREST)
        std::fesetround(mode);
    return result;
}

LayoutResult ComputeLayout(const LayoutInput& in) {
    LayoutResult out;
    const std::int32_t picW = in.pictureWidth;
    const std::int32_t picH = in.pictureHeight;
    if (picW <= 0 || picH <= 0)
        return out;

    const std::int32_t m = 2 * (in.frame + in.border);
    out.scale = in.scale;
    out.componentWidth = in.componentWidth;
    out.componentHeight = in.componentHeight;

    if (in.autoScalePanel) {
        out.paintWidth = std::int32_t(std::int64_t(picW) * in.scale / 100);
        out.paintHeight = std::int32_t(std::int64_t(picH) * in.scale / 100);
        out.componentWidth = out.paintWidth + m;
        out.componentHeight = out.paintHeight + m;
        out.paintLeft = in.frame;
        out.paintTop = in.frame;
        out.applies = true;
        return out;
    }

    // The percentage and the factor are single precision, as the layout has always been.
    float s = float(in.scale);
    std::int32_t aw = 0, ah = 0;
    if (in.autoScaleImage) {
        aw = in.componentWidth - m;
        ah = in.componentHeight - m;
        if (aw <= 0 || ah <= 0) // no room: a component smaller than its own frame
            return out;
        if (picW > aw || picH > ah || (picW < aw && picH < ah)) {
            float f = float(aw) / float(picW);
            if (ah < RoundHalfEven((long double)picH * (long double)f))
                f = float(ah) / float(picH);
            s = f * 100.0f;
        } else {
            s = 100.0f;
        }
    }
    if (s != 0.0f) {
        // A fit of half a percent or less would round to 0, and points are divided by Scale.
        const std::int64_t rounded = RoundHalfEven((long double)s);
        out.scale = std::int32_t(rounded == 0 ? (s < 0 ? -1 : 1) : rounded);
    }
    out.paintWidth = std::int32_t(RoundHalfEven((long double)picW * (long double)s * 0.01L));
    out.paintHeight = std::int32_t(RoundHalfEven((long double)picH * (long double)s * 0.01L));
    out.paintLeft = (in.componentWidth - out.paintWidth) / 2 - in.border;
    out.paintTop = (in.componentHeight - out.paintHeight) / 2 - in.border;
    if (in.autoScaleImage) {
        if (out.paintWidth == aw - 1)
            ++out.paintWidth;
        if (out.paintHeight == ah - 1)
            ++out.paintHeight;
    }
    out.applies = true;
    return out;
}
