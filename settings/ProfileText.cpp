// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileText.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>

namespace {

// What Windows cuts off around names and values: blanks, and the control characters that
// files written by hand or by old editors hold there (0x1A ends a file for DOS).
constexpr bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A;
}

QString cutBlanks(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from].unicode()))
        ++from;
    while (to > from && isBlank(s[to - 1].unicode()))
        --to;
    return s.mid(from, to - from);
}

QString nativeLineEnd() {
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const uchar* s, qsizetype n) {
    qsizetype i = 0;
    while (i < n) {
        const uchar c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        uchar low = 0x80, high = 0xBF; // the range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                low = 0xA0;
            if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                low = 0x90;
            if (c == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + more >= n)
            return false;
        if (s[i + 1] < low || s[i + 1] > high)
            return false;
        for (int k = 2; k <= more; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves unassigned stand for themselves, as
// Windows converts them.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const uchar* s, qsizetype n) {
    QString out(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i)
        out[i] = QChar(s[i] >= 0x80 && s[i] < 0xA0 ? Windows1252High[s[i] - 0x80] : s[i]);
    return out;
}

std::optional<QByteArray> toWindows1252(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        const auto* found = std::find(std::begin(Windows1252High), std::end(Windows1252High), u);
        if (found == std::end(Windows1252High))
            return std::nullopt;
        out += char(0x80 + (found - std::begin(Windows1252High)));
    }
    return out;
}

} // namespace

QString MatchedName(const QString& name) {
    return cutBlanks(name).toCaseFolded();
}

ProfileText::ProfileText() : eol(nativeLineEnd()) {
    sections.push_back(Section{});
    keyIndex.resize(1);
}

ProfileText::ProfileText(QByteArray bytes) : text(std::move(bytes)) {
    const auto startsWith = [this](const char* mark) { return text.startsWith(mark); };
    if (startsWith("\xFF\xFE") || startsWith("\xFE\xFF")) {
        kind = startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        const qsizetype units = (text.size() - 2) / 2;
        wide.resize(size_t(units));
        const auto* b = reinterpret_cast<const uchar*>(text.constData()) + 2;
        for (qsizetype i = 0; i < units; ++i) {
            const uchar first = b[2 * i], second = b[2 * i + 1];
            wide[size_t(i)] = kind == Encoding::Utf16LE ? char16_t(first | second << 8)
                                                        : char16_t(second | first << 8);
        }
        if ((text.size() - 2) % 2)
            oddByte = text.right(1);
        parse(wide.data(), units);
    } else {
        bodyStart = startsWith("\xEF\xBB\xBF") ? 3 : 0;
        parse(reinterpret_cast<const uchar*>(text.constData()), text.size());
    }
}

namespace {

bool hasLineBreak(const QString& s) {
    return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(0));
}

} // namespace

QString ProfileText::problemWithSection(const QString& section) {
    if (hasLineBreak(section))
        return QCoreApplication::translate("ProfileText",
                                           "the section name \"%1\" holds a line break")
            .arg(section);
    return {};
}

QString ProfileText::problemWithEntry(const QString& section, const ProfileEntry& entry) {
    if (const QString problem = problemWithSection(section); !problem.isEmpty())
        return problem;
    const QString key = cutBlanks(entry.key);
    if (hasLineBreak(key))
        return QCoreApplication::translate("ProfileText", "the key \"%1\" holds a line break")
            .arg(key);
    if (key.isEmpty())
        return QCoreApplication::translate("ProfileText", "a key is empty");
    if (key.contains(u'='))
        return QCoreApplication::translate("ProfileText", "the key \"%1\" holds \"=\"").arg(key);
    if (key.startsWith(u'[') || key.startsWith(u';'))
        return QCoreApplication::translate("ProfileText", "the key \"%1\" starts with \"%2\"")
            .arg(key, key.left(1));
    if (hasLineBreak(entry.value))
        return QCoreApplication::translate("ProfileText", "the value of \"%1\" holds a line break")
            .arg(key);
    return {};
}

template <typename Unit> void ProfileText::parse(const Unit* data, qsizetype size) {
    sections.push_back(Section{});
    lines.reserve(size_t(std::count(data + bodyStart, data + size, Unit('\n')) + 1));
    for (qsizetype pos = bodyStart; pos < size; pos = lines.back().next) {
        Line line = lineAt(data, size, pos);
        classify(line, data);
        addLine(line);
    }
    if (eol.isEmpty())
        eol = nativeLineEnd();
    keyIndex.resize(sections.size());
}

// The line that starts at pos: where its text and its line end are, and whether it must be
// read as Windows-1252. The first line end of the file sets the one new lines get.
template <typename Unit>
ProfileText::Line ProfileText::lineAt(const Unit* data, qsizetype size, qsizetype pos) {
    Line line;
    line.start = pos;
    qsizetype end = pos;
    bool high = false;
    while (end < size && data[end] != Unit('\n') && data[end] != Unit('\r')) {
        high = high || data[end] >= 0x80;
        ++end;
    }
    line.end = end;
    if (end < size && data[end] == Unit('\r') && end + 1 < size && data[end + 1] == Unit('\n'))
        line.next = end + 2;
    else
        line.next = end < size ? end + 1 : end;
    if (eol.isEmpty() && end < size)
        eol = line.next - end == 2 ? QStringLiteral("\r\n") : QString(QChar(data[end]));
    if constexpr (sizeof(Unit) == 1)
        line.windows1252 = high && !isValidUtf8(data + pos, end - pos);
    return line;
}

// Header, key or other, and where the name and value are, without the blanks around them.
template <typename Unit> void ProfileText::classify(Line& line, const Unit* data) {
    const qsizetype end = line.end;
    qsizetype first = line.start;
    while (first < end && isBlank(data[first]))
        ++first;
    if (first == end || data[first] == Unit(';'))
        return;
    // A header's name runs to the last "]", so that a name holding "]" reads back.
    qsizetype close = -1;
    if (data[first] == Unit('[')) {
        for (qsizetype i = end - 1; i > first && close < 0; --i) {
            if (data[i] == Unit(']'))
                close = i;
        }
    }
    if (close >= 0) {
        line.kind = LineKind::Header;
        line.nameStart = first + 1;
        line.nameEnd = close;
    } else {
        line.kind = LineKind::Key;
        line.nameStart = first;
        const Unit* eq = std::find(data + first, data + end, Unit('='));
        line.hasValue = eq != data + end;
        line.nameEnd = eq - data;
        line.valueStart = line.hasValue ? line.nameEnd + 1 : end;
        line.valueEnd = end;
    }
    while (line.nameEnd > line.nameStart && isBlank(data[line.nameEnd - 1]))
        --line.nameEnd;
    while (line.nameStart < line.nameEnd && isBlank(data[line.nameStart]))
        ++line.nameStart;
    while (line.valueStart < line.valueEnd && isBlank(data[line.valueStart]))
        ++line.valueStart;
    while (line.valueEnd > line.valueStart && isBlank(data[line.valueEnd - 1]))
        --line.valueEnd;
}

// A header opens a section; a key belongs to the section last opened.
void ProfileText::addLine(const Line& line) {
    const int index = int(lines.size());
    lines.push_back(line);
    if (line.kind == LineKind::Header) {
        Section section;
        section.foldedName = textOf(line, line.nameStart, line.nameEnd).toCaseFolded();
        section.header = index;
        sections.push_back(std::move(section));
    } else if (line.kind == LineKind::Key) {
        sections.back().keyLines.push_back(index);
    }
}

QString ProfileText::textOf(const Line& line, qsizetype from, qsizetype to) const {
    if (kind != Encoding::Bytes)
        return QString(reinterpret_cast<const QChar*>(wide.data() + from), to - from);
    const auto* bytes = reinterpret_cast<const uchar*>(text.constData()) + from;
    if (line.windows1252)
        return fromWindows1252(bytes, to - from);
    // A name or value may begin with U+FEFF; only the file's own first bytes are a byte-order
    // mark, and those are passed over by the parse.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text.constData() + from, to - from));
}

qsizetype ProfileText::unitCount() const {
    return kind == Encoding::Bytes ? text.size() : qsizetype(wide.size());
}

QByteArray ProfileText::unitsAsBytes(qsizetype from, qsizetype to) const {
    if (kind == Encoding::Bytes)
        return text.mid(from, to - from);
    return text.mid(2 + 2 * from, 2 * (to - from)); // after the byte-order mark
}

QByteArray ProfileText::encoded(const QString& added, bool windows1252) const {
    if (kind == Encoding::Bytes)
        return windows1252 ? toWindows1252(added).value_or(QByteArray()) : added.toUtf8();
    QByteArray out;
    out.reserve(2 * added.size());
    for (QChar c : added) {
        const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
        out += kind == Encoding::Utf16LE ? low : high;
        out += kind == Encoding::Utf16LE ? high : low;
    }
    return out;
}

int ProfileText::findSection(const QString& name) const {
    const QString folded = MatchedName(name);
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].foldedName == folded)
            return int(i);
    }
    return -1;
}

int ProfileText::findKey(int section, const QString& foldedKey) const {
    std::optional<QHash<QString, int>>& index = keyIndex[size_t(section)];
    if (!index) {
        index.emplace();
        index->reserve(qsizetype(sections[size_t(section)].keyLines.size()));
        for (int lineIndex : sections[size_t(section)].keyLines) {
            const Line& line = lines[size_t(lineIndex)];
            const QString folded = textOf(line, line.nameStart, line.nameEnd).toCaseFolded();
            if (!index->contains(folded)) // the first of equal keys counts
                index->insert(folded, lineIndex);
        }
    }
    return index->value(foldedKey, -1);
}

std::optional<QString> ProfileText::value(const QString& section, const QString& key) const {
    const int s = findSection(section);
    if (s < 0)
        return std::nullopt;
    const int k = findKey(s, MatchedName(key));
    if (k < 0 || !lines[size_t(k)].hasValue)
        return std::nullopt;
    const Line& line = lines[size_t(k)];
    QString v = textOf(line, line.valueStart, line.valueEnd);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    if (v.size() > MaxValueLength) {
        qsizetype cut = MaxValueLength;
        if (v[cut - 1].isHighSurrogate()) // never leave half a character behind
            --cut;
        v.truncate(cut);
    }
    return v;
}

QByteArray ProfileText::withEntries(const QString& sectionName,
                                    const QList<ProfileEntry>& entries) const {
    const int s = findSection(sectionName);
    std::vector<Splice> splices;
    QString added; // the lines of keys the section does not have yet
    for (const QString& line : entryLines(s, entries, splices))
        added += line + eol;
    if (s < 0)
        splices.push_back(newSection(sectionName, added));
    else if (!added.isEmpty())
        splices.push_back(newKeys(s, added));
    return spliced(std::move(splices));
}

// Each entry whose key the section has becomes a splice of that key's line (the last entry of
// a key wins); the others become the returned lines, one per key, in their first order.
QStringList ProfileText::entryLines(int s, const QList<ProfileEntry>& entries,
                                    std::vector<Splice>& splices) const {
    QStringList newLines;
    QHash<QString, qsizetype> newLineOfKey;
    QHash<int, size_t> spliceOfLine;
    for (const ProfileEntry& entry : entries) {
        const QString key = cutBlanks(entry.key);
        const QString folded = key.toCaseFolded();
        const QString value = cutBlanks(entry.value);
        const int k = s >= 0 ? findKey(s, folded) : -1;
        if (k >= 0) {
            const Splice splice = keyLine(lines[size_t(k)], value);
            if (auto it = spliceOfLine.constFind(k); it != spliceOfLine.cend()) {
                splices[*it] = splice;
            } else {
                spliceOfLine.insert(k, splices.size());
                splices.push_back(splice);
            }
        } else if (auto it = newLineOfKey.constFind(folded); it != newLineOfKey.cend()) {
            QString& line = newLines[*it];
            line.truncate(line.indexOf(u'=') + 1);
            line += value;
        } else {
            newLineOfKey.insert(folded, newLines.size());
            newLines.append(key + QLatin1Char('=') + value);
        }
    }
    return newLines;
}

// The key keeps its spelling, and the blanks after the value stay (an end-of-file mark among
// them). In a line read as Windows-1252 the value is written in that code page too, unless the
// key's own bytes are UTF-8 or the value has a character the code page lacks: then the whole
// line is written in UTF-8.
ProfileText::Splice ProfileText::keyLine(const Line& line, const QString& value) const {
    Splice splice{line.start, line.hasValue ? line.valueEnd : line.nameEnd, line.nameStart,
                  line.nameEnd, QLatin1Char('=') + value};
    if (line.windows1252 &&
        !isValidUtf8(reinterpret_cast<const uchar*>(text.constData()) + line.nameStart,
                     line.nameEnd - line.nameStart)) {
        splice.windows1252 = toWindows1252(splice.added).has_value();
        if (!splice.windows1252) {
            splice.added = textOf(line, line.nameStart, line.nameEnd) + splice.added;
            splice.keepTo = splice.keepFrom;
        }
    }
    return splice;
}

// A missing section goes at the end of the file, with its keys; a file whose last line has no
// line end gets one before it.
ProfileText::Splice ProfileText::newSection(const QString& sectionName, const QString& keys) const {
    const qsizetype size = unitCount();
    QString section;
    if (size > bodyStart) {
        const char16_t last = kind == Encoding::Bytes ? char16_t(uchar(text.back())) : wide.back();
        if (last != u'\n' && last != u'\r')
            section = eol;
    }
    section += QLatin1Char('[') + cutBlanks(sectionName) + QLatin1Char(']') + eol + keys;
    return {size, size, size, size, section};
}

// New keys follow the section's last key, or its header.
ProfileText::Splice ProfileText::newKeys(int s, QString keys) const {
    const Section& section = sections[size_t(s)];
    const int after = section.keyLines.empty() ? section.header : section.keyLines.back();
    qsizetype at = bodyStart;
    if (after >= 0) {
        const Line& line = lines[size_t(after)];
        at = line.next;
        if (line.next == line.end) // the last line of a file without a final line end
            keys.prepend(eol);
    }
    return {at, at, at, at, keys};
}

// The file's bytes with the splices made, in the file's own encoding.
QByteArray ProfileText::spliced(std::vector<Splice> splices) const {
    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice& a, const Splice& b) { return a.from < b.from; });
    qsizetype addedSize = 0;
    for (const Splice& splice : splices)
        addedSize += splice.added.size();
    QByteArray out;
    out.reserve(text.size() + 2 * addedSize + 64);
    qsizetype copied = 0;
    if (kind != Encoding::Bytes)
        out += text.left(2); // the byte-order mark
    for (const Splice& splice : splices) {
        out += unitsAsBytes(copied, splice.from);
        // A name that begins with U+FEFF at the very start of the file would be taken for its
        // byte-order mark: a mark of the file's own goes first.
        if (kind == Encoding::Bytes && splice.from == 0 && splice.keepTo == 0 &&
            splice.added.startsWith(QChar(0xFEFF)))
            out += "\xEF\xBB\xBF";
        out += unitsAsBytes(splice.keepFrom, splice.keepTo);
        out += encoded(splice.added, splice.windows1252);
        copied = splice.to;
    }
    out += unitsAsBytes(copied, unitCount());
    out += oddByte;
    return out;
}
