// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileValues.h"

#include <optional>

namespace {

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Hexadecimal digits from `from` to the end: at least one, at most 32 bits.
std::optional<std::int32_t> hexadecimal(const QString& text, qsizetype from) {
    if (from >= text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const int d = digitValue(text[i]);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return std::int32_t(std::uint32_t(value));
}

std::optional<std::int32_t> decimal(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    const std::uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i]);
        if (d < 0 || d > 9)
            return std::nullopt;
        value = value * 10 + std::uint64_t(d);
        if (value > limit)
            return std::nullopt;
    }
    return negative ? std::int32_t(-std::int64_t(value)) : std::int32_t(value);
}

} // namespace

std::int32_t profileIntegerOf(const QString& text, std::int32_t defaultValue) {
    std::optional<std::int32_t> value;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        value = hexadecimal(text, 2);
    else if (text.startsWith(u'$'))
        value = hexadecimal(text, 1);
    else
        value = decimal(text);
    return value.value_or(defaultValue);
}

bool profileFlagOf(const QString& text, bool defaultValue) {
    return profileIntegerOf(text, defaultValue ? 1 : 0) != 0;
}

QString profileFlagText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

QString profileIntegerText(std::int32_t value) {
    return QString::number(value);
}
