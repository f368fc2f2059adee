// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file's bytes, any bytes, through reading, a write of one section and reading back.
//
// The input up to its first pair of NUL bytes is the file (single NUL bytes stay in it). What
// follows, split at NUL bytes, is the write: a section name, then keys and values in turn
// (without it, a fixed section and entries are written).
//
// After a write, every value that the write did not set must read as before, every value it set
// must read back as written (as the format reads values: blanks cut, one pair of outer quotes
// taken off, cut to its length limit), and every line of the old file that names none of the
// written keys must still be in the new file, in its order. The file must always be readable and
// writable, whatever its bytes.

#include "FuzzCheck.h"
#include "ProfileFile.h"
#include "ProfileText.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == QChar(0x1A);
}

QString cutBlanks(const QString& s) {
    qsizetype from = 0, to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

// A written value as it reads back.
QString asRead(const QString& written) {
    QString v = cutBlanks(written);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    if (v.size() > ProfileText::MaxValueLength) {
        qsizetype cut = ProfileText::MaxValueLength;
        if (v[cut - 1].isHighSurrogate())
            --cut;
        v.truncate(cut);
    }
    return v;
}

bool isUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// The file's lines without their ends: for UTF-16 its characters, else one character per byte.
QStringList linesOf(const QByteArray& bytes) {
    QString text;
    if (isUtf16(bytes)) {
        const bool little = bytes.startsWith("\xFF\xFE");
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const auto first = uchar(bytes[i]), second = uchar(bytes[i + 1]);
            text += QChar(little ? char16_t(first | second << 8) : char16_t(second | first << 8));
        }
    } else {
        // A UTF-8 byte-order mark is the file's, not its first line's: a new section may
        // follow it straight away.
        text = QString::fromLatin1(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    }
    // Split by hand: a regular expression refuses text with a lone surrogate.
    QStringList lines{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines.append(QString());
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// The ways a line may spell a name: as it stands, and as UTF-8 when it is bytes.
QStringList readingsOf(const QString& line, bool utf16) {
    if (utf16)
        return {line};
    return {line, QString::fromUtf8(line.toLatin1())};
}

struct Name {
    QString section;
    QString key;
};

// Section and key names to look up, found the simple way: the text of every line that starts
// with "[" and every text before "=", each under the header above it. They need not be what the
// format makes of the lines: they are only asked before and after the write.
std::vector<Name> namesIn(const QByteArray& bytes) {
    std::vector<Name> names;
    const bool utf16 = isUtf16(bytes);
    QStringList sections{QString()};
    for (const QString& raw : linesOf(bytes)) {
        for (QString line : readingsOf(raw, utf16)) {
            line = cutBlanks(line);
            if (line.startsWith(u'[')) {
                const qsizetype close = line.lastIndexOf(u']');
                sections.append(close > 0 ? line.mid(1, close - 1) : line.mid(1));
                names.push_back({sections.back(), QStringLiteral("absent")});
            } else if (!line.isEmpty()) {
                for (const QString& section : sections.mid(sections.size() - 2))
                    names.push_back({section, line.section(u'=', 0, 0)});
            }
        }
        if (names.size() >= 64)
            break;
    }
    return names;
}

QString folded(const QString& s) {
    return cutBlanks(s).toCaseFolded();
}

QString quoted(const std::optional<QString>& v) {
    return v ? QLatin1Char('"') + *v + QLatin1Char('"') : QStringLiteral("(none)");
}

// Every line of the old file that names none of the keys is a line of the new file, in order.
void checkOtherLinesKept(const QByteArray& before, const QByteArray& after,
                         const QSet<QString>& keys) {
    const bool utf16 = isUtf16(before);
    FUZZ_REQUIRE(utf16 == isUtf16(after), QStringLiteral("the byte-order mark changed"));
    FUZZ_REQUIRE(!before.startsWith("\xEF\xBB\xBF") || after.startsWith("\xEF\xBB\xBF"),
                 QStringLiteral("the UTF-8 byte-order mark was lost"));
    if (utf16 && before.size() % 2)
        FUZZ_REQUIRE(after.size() % 2 && after.back() == before.back(),
                     QStringLiteral("the odd last byte of UTF-16 moved or changed"));
    const QStringList newLines = linesOf(after);
    qsizetype at = 0;
    for (const QString& line : linesOf(before)) {
        bool namesKey = false;
        for (const QString& reading : readingsOf(line, utf16)) {
            for (const QString& key : keys)
                namesKey = namesKey || reading.toCaseFolded().contains(key);
            // Windows-1252 folds letters this check does not know.
            for (QChar c : reading)
                namesKey = namesKey || (!utf16 && c.unicode() >= 0x80 && c.unicode() < 0xA0);
        }
        if (namesKey)
            continue;
        while (at < newLines.size() && newLines[at] != line)
            ++at;
        FUZZ_REQUIRE(at < newLines.size(), QStringLiteral("the line \"%1\" was lost").arg(line));
        ++at;
    }
}

QTemporaryDir& folder() {
    // tmpfs when there is one: every write is flushed to disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/terrava-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/terrava-fuzz-XXXXXX"));
    return dir;
}

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate), path);
    FUZZ_REQUIRE(file.write(bytes) == bytes.size(), path);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly), path);
    return file.readAll();
}

// The write through the text alone, then through the file.
void checkWrite(const QByteArray& bytes, const QString& section, const QList<ProfileEntry>& entries,
                bool throughFile) {
    const ProfileText before(bytes);
    const std::vector<Name> names = namesIn(bytes);

    bool writable = ProfileText::problemWithSection(section).isEmpty();
    for (const ProfileEntry& entry : entries)
        writable = writable && ProfileText::problemWithEntry(section, entry).isEmpty();

    QSet<QString> writtenKeys;
    for (const ProfileEntry& entry : entries)
        writtenKeys.insert(folded(entry.key));

    const auto checkAfter = [&](const ProfileText& after, const char* how) {
        const QString where = QString::fromLatin1(how);
        for (const Name& name : names) {
            if (folded(name.section) == folded(section) && writtenKeys.contains(folded(name.key)))
                continue;
            FUZZ_REQUIRE(after.value(name.section, name.key) ==
                             before.value(name.section, name.key),
                         where + QStringLiteral(": [%1] %2 was %3, is %4")
                                     .arg(name.section, name.key,
                                          quoted(before.value(name.section, name.key)),
                                          quoted(after.value(name.section, name.key))));
        }
        // What the section holds after the write: the last value given for each key.
        for (qsizetype i = 0; i < entries.size(); ++i) {
            bool last = true;
            for (qsizetype j = i + 1; j < entries.size(); ++j)
                last = last && folded(entries[j].key) != folded(entries[i].key);
            if (!last)
                continue;
            const std::optional<QString> read = after.value(section, entries[i].key);
            FUZZ_REQUIRE(
                read == asRead(entries[i].value),
                where + QStringLiteral(": [%1] %2 written %3, reads %4")
                            .arg(section, entries[i].key, quoted(entries[i].value), quoted(read)));
        }
        checkOtherLinesKept(bytes, after.bytes(), writtenKeys);
    };

    if (writable) {
        const QByteArray out = before.withEntries(section, entries);
        checkAfter(ProfileText(out), "text");
        // Writing the same again changes nothing.
        FUZZ_REQUIRE(ProfileText(out).withEntries(section, entries) == out,
                     QStringLiteral("a second write changed the file"));
    }

    if (!throughFile)
        return;
    const QString path = folder().filePath(QStringLiteral("terrava.ini"));
    putFile(path, bytes);
    ProfileFile file(path);
    FUZZ_REQUIRE(file.load().state() == ProfileSnapshot::State::Read, file.load().problem());
    try {
        file.write(section, entries);
        FUZZ_REQUIRE(writable, QStringLiteral("an entry that cannot be read back was written"));
    } catch (const ProfileWriteError& e) {
        FUZZ_REQUIRE(false, e.message());
    } catch (const TerravaError& e) {
        FUZZ_REQUIRE(!writable, e.message());
        FUZZ_REQUIRE(fileBytes(path) == bytes, QStringLiteral("a refused write changed the file"));
        return;
    }
    const ProfileSnapshot reread = file.load();
    FUZZ_REQUIRE(reread.state() == ProfileSnapshot::State::Read, reread.problem());
    checkAfter(reread.text(), "file");
    FUZZ_REQUIRE(QDir(folder().path()).entryList(QDir::Files | QDir::Hidden) ==
                     QStringList{QStringLiteral("terrava.ini")},
                 QDir(folder().path()).entryList(QDir::Files | QDir::Hidden).join(u' '));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536)
        return -1;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_REQUIRE(folder().isValid(), folder().errorString());

    // The file itself is written and read for one input in four: each file read costs a large
    // buffer, slow under AddressSanitizer, and the text alone shows most of the rules.
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    const bool throughFile = hash % 4 == 0;

    const qsizetype split = input.indexOf(QByteArrayView("\0\0", 2));
    const QByteArray bytes = split < 0 ? input : input.left(split);

    QString section = QStringLiteral("Fuzz Player");
    QList<ProfileEntry> entries{{QStringLiteral("Interval"), QStringLiteral("25")},
                                {QStringLiteral("Sound"), QStringLiteral("\"1\"")}};
    if (split >= 0) {
        const QByteArrayList parts = input.mid(split + 2).split('\0');
        section = QString::fromUtf8(parts.front());
        entries.clear();
        for (qsizetype i = 1; i < parts.size() && entries.size() < 16; i += 2)
            entries.append({QString::fromUtf8(parts[i]),
                            i + 1 < parts.size() ? QString::fromUtf8(parts[i + 1]) : QString()});
    }
    checkWrite(bytes, section, entries, throughFile);
    return 0;
}
