// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The program's pseudo-random numbers: a 32-bit linear congruential generator
// (seed := seed * 134775813 + 1, modulo 2^32). A draw in [0, n) advances the seed first and
// is then the upper 32 bits of the 64-bit product n * seed, so a given seed always gives the
// same towns.
class TRandom {
public:
    void Randomize(std::uint32_t seed) { RandSeed = seed; }

    // 0 <= result < range for a positive range; a range of 0 gives 0 (and still advances).
    std::int32_t Random(std::int32_t range);

    std::uint32_t RandSeed = 0;
};

// The one generator of the program, seeded once when the main window is created.
extern TRandom ProgramRandom;

// Milliseconds since midnight: ((hours * 60 + minutes) * 60 + seconds) * 1000 + ms.
std::uint32_t SeedFromTime(int hours, int minutes, int seconds, int milliseconds);

// SeedFromTime of the current UTC time of day.
std::uint32_t SeedFromClock();
