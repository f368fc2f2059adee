// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// How the settings file's texts become numbers and flags, and back.

// A text longer than 2 characters that starts with "0x" or "0X" is hexadecimal from its third
// character on. Otherwise the text is optional leading blanks, an optional "+" or "-" and
// decimal digits to the end, or "$" and hexadecimal digits to the end. Hexadecimal spells the
// 32 bits themselves ("$FFFFFFFF" is -1). Anything else, and a decimal value outside the signed
// 32-bit range, gives defaultValue.
std::int32_t profileIntegerOf(const QString& text, std::int32_t defaultValue);

// A flag is an integer read with the default 1 or 0; it is true when that integer is not 0.
bool profileFlagOf(const QString& text, bool defaultValue);

// Flags are stored as "1" and "0", integers in decimal with a leading "-" when negative.
QString profileFlagText(bool flag);
QString profileIntegerText(std::int32_t value);
