// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of integers and flags: the settings file's (profileIntegerOf, profileFlagOf, also
// through a file's text) and the definition lines' (StrToInt), each against a plain reading of
// its rules with std::from_chars, and the texts written for numbers and flags read back.

#include "FuzzCheck.h"
#include "HotspotDefinition.h"
#include "ProfileFile.h"
#include "ProfileText.h"
#include "ProfileValues.h"

#include "Error.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<std::uint64_t> digitsOnly(std::string_view s, int base) {
    if (s.empty())
        return std::nullopt;
    for (char c : s) {
        const bool decimalDigit = c >= '0' && c <= '9';
        const bool hexLetter = (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!decimalDigit && !(base == 16 && hexLetter))
            return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (error == std::errc::result_out_of_range)
        return UINT64_MAX; // beyond every limit below
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> hex32(std::string_view s, bool negative = false) {
    const std::optional<std::uint64_t> v = digitsOnly(s, 16);
    if (!v || *v > 0xFFFFFFFFull)
        return std::nullopt;
    const std::uint32_t bits = std::uint32_t(*v);
    return std::int32_t(negative ? 0u - bits : bits);
}

std::optional<std::int32_t> decimal32(std::string_view s, bool negative) {
    const std::optional<std::uint64_t> v = digitsOnly(s, 10);
    if (!v || *v > (negative ? 2147483648ull : 2147483647ull))
        return std::nullopt;
    return std::int32_t(negative ? -std::int64_t(*v) : std::int64_t(*v));
}

// The settings file's rules (ProfileValues.h).
std::optional<std::int32_t> profileReference(std::string_view s) {
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        return hex32(s.substr(2));
    if (!s.empty() && s[0] == '$')
        return hex32(s.substr(1));
    while (!s.empty() && (s[0] == ' ' || s[0] == '\t'))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    return decimal32(s, negative);
}

// The definition lines' rules (HotspotDefinition.h).
std::optional<std::int32_t> strToIntReference(std::string_view s) {
    while (!s.empty() && s[0] == ' ')
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (!s.empty() && s[0] == '$')
        return hex32(s.substr(1), negative);
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        return hex32(s.substr(2), negative);
    return decimal32(s, negative);
}

std::optional<std::int32_t> strToInt(const QString& text) {
    try {
        return StrToInt(text);
    } catch (const TerravaError& e) {
        FUZZ_REQUIRE(e.message() == QStringLiteral("'%1' is not a valid integer value").arg(text),
                     e.message());
        return std::nullopt;
    }
}

QString shown(const std::optional<std::int32_t>& v) {
    return v ? QString::number(*v) : QStringLiteral("(invalid)");
}

void checkText(const QString& text) {
    // Every character the rules accept is ASCII; any other reads as '?', which none accepts.
    const std::string ascii = text.toLatin1().toStdString();

    const std::optional<std::int32_t> expected = profileReference(ascii);
    for (std::int32_t fallback : {0, -1, 12345}) {
        const std::int32_t got = profileIntegerOf(text, fallback);
        FUZZ_REQUIRE(got == expected.value_or(fallback),
                     QStringLiteral("profileIntegerOf('%1', %2) = %3, expected %4")
                         .arg(text)
                         .arg(fallback)
                         .arg(got)
                         .arg(shown(expected)));
    }
    for (bool fallback : {false, true})
        FUZZ_REQUIRE(profileFlagOf(text, fallback) == (expected ? *expected != 0 : fallback),
                     QStringLiteral("profileFlagOf('%1', %2)").arg(text).arg(fallback));

    const std::optional<std::int32_t> converted = strToInt(text);
    FUZZ_REQUIRE(converted == strToIntReference(ascii),
                 QStringLiteral("StrToInt('%1') = %2, expected %3")
                     .arg(text, shown(converted), shown(strToIntReference(ascii))));

    // Written and read back.
    const std::int32_t value = expected.value_or(std::int32_t(text.size() * 7919) - 5000);
    FUZZ_REQUIRE(profileIntegerOf(profileIntegerText(value), value ^ 1) == value,
                 profileIntegerText(value));
    FUZZ_REQUIRE(strToInt(QString::number(value)) == value, QString::number(value));
    FUZZ_REQUIRE(profileIntegerText(value) == QString::number(value), profileIntegerText(value));
    for (bool flag : {false, true})
        FUZZ_REQUIRE(profileFlagOf(profileFlagText(flag), !flag) == flag, profileFlagText(flag));

    // The same text as a value in a settings file, around the reading of values.
    if (text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0)))
        return;
    const QByteArray file = "[Player]\nInterval=" + text.toUtf8() + "\nSound=" + text.toUtf8();
    const ProfileSnapshot snapshot(ProfileSnapshot::State::Read, ProfileText(file));
    const std::optional<QString> stored =
        snapshot.value(QStringLiteral("player"), QStringLiteral("interval"));
    FUZZ_REQUIRE(stored.has_value(), text);
    FUZZ_REQUIRE(snapshot.readInteger(QStringLiteral("Player"), QStringLiteral("Interval"), 77) ==
                     profileIntegerOf(*stored, 77),
                 text);
    FUZZ_REQUIRE(snapshot.readFlag(QStringLiteral("Player"), QStringLiteral("Sound"), true) ==
                     profileFlagOf(*stored, true),
                 text);
    FUZZ_REQUIRE(
        snapshot.readInteger(QStringLiteral("Player"), QStringLiteral("Missing"), 77) == 77, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 256)
        return -1; // numbers are short; longer texts only repeat the same cases
    const char* bytes = reinterpret_cast<const char*>(data);
    checkText(QString::fromUtf8(bytes, qsizetype(size)));
    checkText(QString::fromLatin1(bytes, qsizetype(size)));
    return 0;
}
