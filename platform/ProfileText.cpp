#include "ProfileText.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString cutBlanks(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

QByteArray nativeLineEnd() {
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

bool endsWithLineEnd(const QByteArray& bytes) {
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

struct Splice {
    qsizetype from;
    qsizetype to;
    QByteArray with;
};

} // namespace

ProfileText::ProfileText() : eol(nativeLineEnd()) {
    sections.push_back(Section{});
    keyIndex.resize(1);
}

ProfileText::ProfileText(QByteArray bytes) : text(std::move(bytes)) {
    parse();
}

QString ProfileText::problemWithText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return QStringLiteral("it holds binary data");
    // Decoded piece by piece into one small buffer: a large file costs no large allocation.
    constexpr qsizetype Piece = 8192;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    std::vector<QChar> buffer(static_cast<size_t>(Piece));
    for (qsizetype from = 0; from < bytes.size();) {
        qsizetype to = std::min(from + Piece, bytes.size());
        // Pieces end before the first byte of a character, never inside one.
        for (int back = 0; back < 3 && to < bytes.size() && (uchar(bytes[to]) & 0xC0) == 0x80;
             ++back)
            --to;
        decoder.appendToBuffer(buffer.data(), QByteArrayView(bytes).sliced(from, to - from));
        if (decoder.hasError())
            return QStringLiteral("it is not valid UTF-8 text");
        from = to;
    }
    return {};
}

namespace {

bool hasLineBreak(const QString& s) {
    return s.contains(u'\n') || s.contains(u'\r') || s.contains(QChar(0));
}

} // namespace

QString ProfileText::problemWithSection(const QString& section) {
    if (hasLineBreak(section))
        return QStringLiteral("the section name \"%1\" holds a line break").arg(section);
    return {};
}

QString ProfileText::problemWithEntry(const QString& section, const ProfileEntry& entry) {
    if (const QString problem = problemWithSection(section); !problem.isEmpty())
        return problem;
    const QString key = cutBlanks(entry.key);
    if (hasLineBreak(key))
        return QStringLiteral("the key \"%1\" holds a line break").arg(key);
    if (key.isEmpty())
        return QStringLiteral("a key is empty");
    if (key.contains(u'='))
        return QStringLiteral("the key \"%1\" holds \"=\"").arg(key);
    if (key.startsWith(u'[') || key.startsWith(u';'))
        return QStringLiteral("the key \"%1\" starts with \"%2\"").arg(key, key.left(1));
    if (hasLineBreak(entry.value))
        return QStringLiteral("the value of \"%1\" holds a line break").arg(key);
    return {};
}

void ProfileText::parse() {
    bodyStart = text.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    sections.push_back(Section{});
    const char* data = text.constData();
    const qsizetype size = text.size();

    lines.reserve(size_t(text.count('\n') + 1));
    qsizetype pos = bodyStart;
    while (pos < size) {
        Line line;
        line.start = pos;
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        line.end = end;
        if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            line.next = end + 2;
        else
            line.next = end < size ? end + 1 : end;
        if (eol.isEmpty() && end < size)
            eol = text.mid(end, line.next - end);

        qsizetype first = pos;
        while (first < end && isBlank(data[first]))
            ++first;
        if (first < end && data[first] == '[') {
            // The name runs to the last "]", so that a name holding "]" reads back whole.
            qsizetype close = end;
            while (close > first + 1 && data[close - 1] != ']')
                --close;
            line.kind = LineKind::Header;
            line.nameStart = first + 1;
            line.nameEnd = close > first + 1 ? close - 1 : end;
        } else if (first < end && data[first] != ';') {
            const char* eq =
                static_cast<const char*>(memchr(data + first, '=', size_t(end - first)));
            if (eq) {
                line.kind = LineKind::Key;
                line.nameStart = first;
                line.nameEnd = eq - data;
                line.valueStart = line.nameEnd + 1;
                line.valueEnd = end;
            }
        }
        if (line.kind != LineKind::Other) {
            while (line.nameEnd > line.nameStart && isBlank(data[line.nameEnd - 1]))
                --line.nameEnd;
            while (line.nameStart < line.nameEnd && isBlank(data[line.nameStart]))
                ++line.nameStart;
            while (line.valueStart < line.valueEnd && isBlank(data[line.valueStart]))
                ++line.valueStart;
            while (line.valueEnd > line.valueStart && isBlank(data[line.valueEnd - 1]))
                --line.valueEnd;
        }

        const int index = int(lines.size());
        if (line.kind == LineKind::Header) {
            Section section;
            section.foldedName = textOf(line.nameStart, line.nameEnd).toCaseFolded();
            section.header = index;
            sections.push_back(std::move(section));
        } else if (line.kind == LineKind::Key) {
            sections.back().keyLines.push_back(index);
        }
        lines.push_back(line);
        pos = line.next;
    }
    if (eol.isEmpty())
        eol = nativeLineEnd();
    keyIndex.resize(sections.size());
}

QString ProfileText::textOf(qsizetype from, qsizetype to) const {
    // A name or value may begin with U+FEFF; only the file's own first bytes are a byte-order
    // mark, and those are passed over by the parse.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text.constData() + from, to - from));
}

int ProfileText::findSection(const QString& name) const {
    const QString folded = cutBlanks(name).toCaseFolded();
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
            const QString folded = textOf(line.nameStart, line.nameEnd).toCaseFolded();
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
    const int k = findKey(s, cutBlanks(key).toCaseFolded());
    if (k < 0)
        return std::nullopt;
    const Line& line = lines[size_t(k)];
    QString v = textOf(line.valueStart, line.valueEnd);
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
    // Lines for keys the section does not have yet, and where each key's line is.
    QList<QByteArray> newLines;
    QHash<QString, qsizetype> newLineOfKey;
    QHash<int, size_t> spliceOfLine;

    for (const ProfileEntry& entry : entries) {
        const QString key = cutBlanks(entry.key);
        const QString folded = key.toCaseFolded();
        const QByteArray value = cutBlanks(entry.value).toUtf8();
        const int k = s >= 0 ? findKey(s, folded) : -1;
        if (k >= 0) {
            const Line& line = lines[size_t(k)];
            QByteArray replaced = text.mid(line.nameStart, line.nameEnd - line.nameStart);
            replaced += '=';
            replaced += value;
            if (auto it = spliceOfLine.constFind(k); it != spliceOfLine.cend()) {
                splices[*it].with = replaced;
            } else {
                spliceOfLine.insert(k, splices.size());
                splices.push_back({line.start, line.end, replaced});
            }
        } else if (auto it = newLineOfKey.constFind(folded); it != newLineOfKey.cend()) {
            QByteArray& line = newLines[*it];
            line.truncate(line.indexOf('=') + 1);
            line += value;
        } else {
            newLineOfKey.insert(folded, newLines.size());
            newLines.append(key.toUtf8() + '=' + value);
        }
    }

    QByteArray added;
    for (const QByteArray& line : newLines)
        added += line + eol;

    if (s < 0) {
        QByteArray out = text;
        if (!out.isEmpty() && !endsWithLineEnd(out))
            out += eol;
        out += '[' + cutBlanks(sectionName).toUtf8() + ']' + eol + added;
        return out;
    }

    if (!added.isEmpty()) {
        const Section& section = sections[size_t(s)];
        int after = section.keyLines.empty() ? section.header : section.keyLines.back();
        qsizetype at = bodyStart;
        if (after >= 0) {
            const Line& line = lines[size_t(after)];
            at = line.next;
            if (line.next == line.end) // the last line of a file without a final line end
                added.prepend(eol);
        }
        splices.push_back({at, at, added});
    }

    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice& a, const Splice& b) { return a.from < b.from; });
    QByteArray out;
    out.reserve(text.size() + added.size() + 64);
    qsizetype copied = 0;
    for (const Splice& splice : splices) {
        out.append(text.constData() + copied, splice.from - copied);
        out += splice.with;
        copied = splice.to;
    }
    out.append(text.constData() + copied, text.size() - copied);
    return out;
}
