// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizRandom.h"

#include <QDateTime>
#include <QTime>

TRandom ProgramRandom;

std::int32_t TRandom::Random(std::int32_t range) {
    RandSeed = RandSeed * 134775813u + 1u; // unsigned: wraps modulo 2^32
    const std::uint64_t product =
        std::uint64_t(static_cast<std::uint32_t>(range)) * std::uint64_t(RandSeed);
    return static_cast<std::int32_t>(product >> 32);
}

std::uint32_t SeedFromTime(int hours, int minutes, int seconds, int milliseconds) {
    return ((std::uint32_t(hours) * 60u + std::uint32_t(minutes)) * 60u + std::uint32_t(seconds)) *
               1000u +
           std::uint32_t(milliseconds);
}

std::uint32_t SeedFromClock() {
    const QTime now = QDateTime::currentDateTimeUtc().time();
    return SeedFromTime(now.hour(), now.minute(), now.second(), now.msec());
}
