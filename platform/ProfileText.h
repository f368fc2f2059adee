#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

struct ProfileEntry {
    QString key;
    QString value;
};

// The text of a settings file in the INI format: "[section]" header lines, "key=value" lines
// and anything else (comments, blank lines), held as the file's own bytes (UTF-8) so that
// writing one section leaves every other byte as it was.
//
// Section and key names match without regard to letter case; names and values lose their
// surrounding blanks. The keys before the first header form the section with the empty name.
// Only the first of two sections of the same name counts, and the first of two keys of the
// same name within it. A line without "=" is no key, nor is a line starting with ";".
class ProfileText {
public:
    // Longer values are cut to this many characters when read.
    static constexpr qsizetype MaxValueLength = 1023;

    ProfileText(); // an empty file
    // The bytes must be valid text (see problemWithText).
    explicit ProfileText(QByteArray bytes);

    // Why bytes cannot be taken as the text of a settings file, or an empty string when they
    // can: they must be UTF-8 without NUL characters.
    static QString problemWithText(const QByteArray& bytes);

    // Why a section name cannot be written as a header that reads back as itself (a line
    // break), or an empty string when it can.
    static QString problemWithSection(const QString& section);

    // Why an entry cannot be written so that it reads back as itself (a problem of its section
    // name, a line break, a key with "=" or starting like a header or comment), or an empty
    // string when it can.
    static QString problemWithEntry(const QString& section, const ProfileEntry& entry);

    // The value as read: without blanks around it, without one pair of matching outer quotes
    // (" or '), cut to MaxValueLength characters. None when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // The file's bytes after writing the entries, in their order, into the section. An
    // existing key keeps its spelling and its place and gets "key=value" as its line; new keys
    // follow the section's last key; a missing section is added at the end of the file. New
    // lines end as the file's lines already do.
    QByteArray withEntries(const QString& section, const QList<ProfileEntry>& entries) const;

    const QByteArray& bytes() const { return text; }
    // The line end of the file's first line, or the platform's own for a file without one.
    QByteArray lineEnd() const { return eol; }

private:
    enum class LineKind { Other, Header, Key };
    struct Line {
        qsizetype start = 0;
        qsizetype end = 0;  // where the line's text ends: its line end, or the end of the file
        qsizetype next = 0; // after the line end
        LineKind kind = LineKind::Other;
        qsizetype nameStart = 0, nameEnd = 0;   // key or section name, blanks cut off
        qsizetype valueStart = 0, valueEnd = 0; // a key's value, blanks cut off
    };
    struct Section {
        QString foldedName;
        int header = -1; // its header line; -1 for the keys before the first header
        std::vector<int> keyLines;
    };

    void parse();
    int findSection(const QString& name) const;
    int findKey(int section, const QString& foldedKey) const;
    QString textOf(qsizetype from, qsizetype to) const;

    QByteArray text;
    qsizetype bodyStart = 0; // after a byte order mark
    QByteArray eol;
    std::vector<Line> lines;
    std::vector<Section> sections; // sections[0] holds the keys before the first header
    // Per section, its folded key names to their first line; made when first asked for.
    mutable std::vector<std::optional<QHash<QString, int>>> keyIndex;
};
