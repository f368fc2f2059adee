// A settings file's bytes through reading, a write of one section and reading back.
//
// The input up to its first NUL byte is the file. What follows, split at NUL bytes, is the
// write: a section name, then keys and values in turn (without it, a fixed section and entries
// are written). The whole input, NUL bytes and all, when it is no text, is also tried as a file
// that cannot be read: the write must refuse it and leave it as it was.
//
// After a write, every value that the write did not set must read as before, every value it set
// must read back as written (as the format reads values: blanks cut, one pair of outer quotes
// taken off, cut to its length limit), and the file must read as text again.

#include "FuzzCheck.h"
#include "ProfileFile.h"
#include "ProfileText.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

QString cutBlanks(const QString& s) {
    qsizetype from = 0, to = s.size();
    while (from < to && (s[from] == u' ' || s[from] == u'\t'))
        ++from;
    while (to > from && (s[to - 1] == u' ' || s[to - 1] == u'\t'))
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

struct Name {
    QString section;
    QString key;
};

// Section and key names as the file spells them, found the simple way: every header line and
// every line with "=", each under the header above it.
std::vector<Name> namesIn(const QByteArray& bytes) {
    std::vector<Name> names;
    QString section;
    const QString text = QString::fromUtf8(bytes);
    for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        line = cutBlanks(line);
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            section = close > 0 ? line.mid(1, close - 1) : line.mid(1);
            names.push_back({section, QStringLiteral("absent")});
        } else if (const qsizetype eq = line.indexOf(u'='); eq >= 0 && !line.startsWith(u';')) {
            names.push_back({section, line.left(eq)});
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

    // What the section holds after the write: the last value given for each key.
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
    };

    if (writable) {
        const QByteArray out = before.withEntries(section, entries);
        FUZZ_REQUIRE(ProfileText::problemWithText(out).isEmpty(), QStringLiteral("not text"));
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
        FUZZ_REQUIRE(false, e.message() + QStringLiteral(": ") + e.reason());
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

// A file that is no text: it reads as empty and unreadable, and a write leaves it alone.
void checkUnreadable(const QByteArray& bytes) {
    const QString problem = ProfileText::problemWithText(bytes);
    const QString path = folder().filePath(QStringLiteral("terrava.ini"));
    putFile(path, bytes);
    ProfileFile file(path);
    const ProfileSnapshot snapshot = file.load();
    if (problem.isEmpty()) {
        FUZZ_REQUIRE(snapshot.state() == ProfileSnapshot::State::Read, snapshot.problem());
        return;
    }
    FUZZ_REQUIRE(snapshot.state() == ProfileSnapshot::State::Unreadable, problem);
    FUZZ_REQUIRE(snapshot.problem() == problem, snapshot.problem());
    FUZZ_REQUIRE(!snapshot.value(QString(), QStringLiteral("x")), QString());
    try {
        file.writeString(QStringLiteral("Player"), QStringLiteral("Key"), QStringLiteral("1"));
        FUZZ_REQUIRE(false, QStringLiteral("a file that is no text was written over"));
    } catch (const ProfileWriteError& e) {
        FUZZ_REQUIRE(!e.reason().isEmpty(), e.message());
    }
    FUZZ_REQUIRE(fileBytes(path) == bytes, QStringLiteral("an unreadable file was changed"));
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

    if (throughFile && !ProfileText::problemWithText(input).isEmpty())
        checkUnreadable(input);

    const qsizetype nul = input.indexOf('\0');
    const QByteArray bytes = nul < 0 ? input : input.left(nul);
    if (!ProfileText::problemWithText(bytes).isEmpty())
        return 0;

    QString section = QStringLiteral("Fuzz Player");
    QList<ProfileEntry> entries{{QStringLiteral("Interval"), QStringLiteral("25")},
                                {QStringLiteral("Sound"), QStringLiteral("\"1\"")}};
    if (nul >= 0) {
        const QByteArrayList parts = input.mid(nul + 1).split('\0');
        section = QString::fromUtf8(parts.front());
        entries.clear();
        for (qsizetype i = 1; i < parts.size() && entries.size() < 16; i += 2)
            entries.append({QString::fromUtf8(parts[i]),
                            i + 1 < parts.size() ? QString::fromUtf8(parts[i + 1]) : QString()});
    }
    checkWrite(bytes, section, entries, throughFile);
    return 0;
}
