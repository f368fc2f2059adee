// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// number * numerator / denominator with a 64-bit product, rounded to the nearest integer with
// halves away from zero; -1 for a zero denominator.
inline std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0)
        return -1;
    std::int64_t product = std::int64_t(number) * numerator;
    std::int64_t d = denominator;
    if (d < 0) {
        d = -d;
        product = -product;
    }
    const std::int64_t half = d / 2;
    const std::int64_t q = product >= 0 ? (product + half) / d : -((-product + half) / d);
    return std::int32_t(q);
}
