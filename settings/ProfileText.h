// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// A section or key name as the file matches names: the blanks around it cut off and its letters
// case folded. Two names find the same section when these are equal; the record of sessions
// matches players by it too.
QString MatchedName(const QString& name);

struct ProfileEntry {
    QString key;
    QString value;
};

// The text of a settings file in the INI format: "[section]" header lines, "key=value" lines
// and anything else (comments, blank lines). It is held as the file's own bytes, whatever they
// are, so that writing one section leaves every other byte as it was.
//
// A file that starts with a UTF-16 byte-order mark is UTF-16 text in that byte order, and is
// written so. Any other file is read line by line: a line that is valid UTF-8 is read as UTF-8,
// any other line as Windows-1252 (an older copy of the game or another program may have written
// it in the Windows code page). A UTF-8 byte-order mark at the start is passed over. New text is
// written in UTF-8, except where it goes into a line that is read as Windows-1252.
//
// As Windows reads such files: section and key names match without regard to letter case;
// names and values lose the blanks around them (space, tab, vertical tab, form feed and the old
// end-of-file mark 0x1A). A header is a line that starts with "[" and holds a "]"; its name
// runs to the last "]". A line starting with ";" is a comment; every other line that is not
// blank is a key, one without "=" a key with no value, which reads as missing. The keys before
// the first header form the section with the empty name. Only the first of two sections of the
// same name counts, and the first of two keys of the same name within it.
class ProfileText {
public:
    // Longer values are cut to this many characters when read.
    static constexpr qsizetype MaxValueLength = 1023;

    ProfileText(); // an empty file
    explicit ProfileText(QByteArray bytes);

    // Why a section name cannot be written as a header that reads back as itself (a line
    // break), or an empty string when it can.
    static QString problemWithSection(const QString& section);

    // Why an entry cannot be written so that it reads back as itself (a problem of its section
    // name, a line break, a key with "=" or starting like a header or comment), or an empty
    // string when it can.
    static QString problemWithEntry(const QString& section, const ProfileEntry& entry);

    // The value as read: without blanks around it, without one pair of matching outer quotes
    // (" or '), cut to MaxValueLength characters. None when the section or key is missing or
    // the key has no "=".
    std::optional<QString> value(const QString& section, const QString& key) const;

    // The file's bytes after writing the entries, in their order, into the section. An
    // existing key keeps its spelling and its place and gets "key=value" as its line; new keys
    // follow the section's last key; a missing section is added at the end of the file. New
    // lines end as the file's lines already do.
    QByteArray withEntries(const QString& section, const QList<ProfileEntry>& entries) const;

    const QByteArray& bytes() const { return text; }

private:
    enum class Encoding { Bytes, Utf16LE, Utf16BE };
    enum class LineKind { Other, Header, Key };
    struct Line {
        qsizetype start = 0;
        qsizetype end = 0;  // where the line's text ends: its line end, or the end of the file
        qsizetype next = 0; // after the line end
        LineKind kind = LineKind::Other;
        bool windows1252 = false;               // a byte line that is not valid UTF-8
        bool hasValue = false;                  // a key line with "="
        qsizetype nameStart = 0, nameEnd = 0;   // key or section name, blanks cut off
        qsizetype valueStart = 0, valueEnd = 0; // a key's value, blanks cut off
    };
    struct Section {
        QString foldedName;
        int header = -1; // its header line; -1 for the keys before the first header
        std::vector<int> keyLines;
    };
    // A piece of the new file: the old units [from, to) give way to the old units
    // [keepFrom, keepTo) followed by the new text.
    struct Splice {
        qsizetype from, to;
        qsizetype keepFrom, keepTo;
        QString added;
        bool windows1252 = false; // the added text goes into a line read as Windows-1252
    };

    template <typename Unit> void parse(const Unit* data, qsizetype size);
    template <typename Unit> Line lineAt(const Unit* data, qsizetype size, qsizetype pos);
    template <typename Unit> static void classify(Line& line, const Unit* data);
    void addLine(const Line& line);
    QStringList entryLines(int section, const QList<ProfileEntry>& entries,
                           std::vector<Splice>& splices) const;
    Splice keyLine(const Line& line, const QString& value) const;
    Splice newSection(const QString& sectionName, const QString& keys) const;
    Splice newKeys(int section, QString keys) const;
    QByteArray spliced(std::vector<Splice> splices) const;
    int findSection(const QString& name) const;
    int findKey(int section, const QString& foldedKey) const;
    QString textOf(const Line& line, qsizetype from, qsizetype to) const;
    qsizetype unitCount() const;
    QByteArray encoded(const QString& added, bool windows1252) const;
    QByteArray unitsAsBytes(qsizetype from, qsizetype to) const;

    QByteArray text;
    Encoding kind = Encoding::Bytes;
    qsizetype bodyStart = 0; // in units: after a byte-order mark
    std::u16string wide;     // the units of a UTF-16 file, in the machine's order
    QByteArray oddByte;      // the last byte of a UTF-16 file of odd size, kept as it is
    QString eol;
    std::vector<Line> lines;
    std::vector<Section> sections; // sections[0] holds the keys before the first header
    // Per section, its folded key names to their first line; made when first asked for.
    mutable std::vector<std::optional<QHash<QString, int>>> keyIndex;
};
