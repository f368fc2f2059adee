// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"
#include "ProfileText.h"
#include "ProfileValues.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray edited(const QByteArray& before, const QString& section,
                  const QList<ProfileEntry>& entries) {
    return ProfileText(before).withEntries(section, entries);
}

QString valueIn(const QByteArray& bytes, const QString& section, const QString& key) {
    return ProfileText(bytes).value(section, key).value_or(QStringLiteral("<none>"));
}

// Bytes of a literal that may hold NUL.
template <size_t N> QByteArray bytesOf(const char (&literal)[N]) {
    return QByteArray(literal, qsizetype(N - 1));
}

QByteArray utf16(const QString& text, QSysInfo::Endian order) {
    const bool little = order == QSysInfo::LittleEndian;
    QByteArray out = little ? "\xFF\xFE" : "\xFE\xFF";
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xFF), high = char(c.unicode() >> 8);
        out += little ? low : high;
        out += little ? high : low;
    }
    return out;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Whatever a write leaves beside the settings file besides the file itself.
QStringList leftovers(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("terrava.ini"));
    return names;
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void integerRules_data();
    void integerRules();
    void flagRules_data();
    void flagRules();

    void namesMatchWithoutCase();
    void writeKeepsSpellingAndEveryOtherByte();
    void lineEnds_data();
    void lineEnds();
    void fileWithoutFinalLineEnd();
    void blanksAroundNamesAndValues();
    void quotes_data();
    void quotes();
    void longValuesAreCut();
    void onlyFirstOfDuplicatesCounts();
    void keysBeforeFirstHeaderFormEmptySection();
    void linesWithoutEqualsOrClosingBracket();
    void sectionNameWithBracketReadsBack();
    void byteOrderMarkIsKept();
    void filesOfAnyBytes_data();
    void filesOfAnyBytes();
    void valuesInWindows1252Lines();
    void oneSaveWritingOneKeyTwice();
    void entriesThatWouldNotReadBackAreRefused();

    void missingFileReadsEmptyAndIsMadeWithItsFolder();
    void unreadableFileReadsEmptyAndIsNotOverwritten_data();
    void unreadableFileReadsEmptyAndIsNotOverwritten();
    void refusedWriteNamesThePath();
    void refusedWriteWithoutPermission_data();
    void refusedWriteWithoutPermission();
    void failureBeforeReplaceLeavesOldFile();
    void failedReplaceIsReported();
    void crashBeforeReplaceLeavesOldFile();
    void concurrentSavesKeepBothSections();
    void symbolicLinkAndPermissionsAreKept();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

void TestProfileFile::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    path = dir->filePath(QStringLiteral("terrava.ini"));
}

void TestProfileFile::cleanup() {
    ProfileFile::setBeforeReplaceHook({});
    dir.reset();
}

void TestProfileFile::integerRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    const int d = -77; // the default
    QTest::newRow("decimal") << "1500" << 1500;
    QTest::newRow("leading blanks and plus") << "  +42" << 42;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("0x") << "0x10" << 16;
    QTest::newRow("0X mixed case digits") << "0XfF" << 255;
    QTest::newRow("0x alone") << "0x" << d;
    QTest::newRow("0x not hex") << "0x1g" << d;
    QTest::newRow("0x with sign") << "0x-1" << d;
    QTest::newRow("blank before 0x") << " 0x10" << d;
    QTest::newRow("dollar") << "$1F" << 31;
    QTest::newRow("dollar alone") << "$" << d;
    QTest::newRow("sign before dollar") << "-$10" << d;
    QTest::newRow("hex spells 32 bits") << "$FFFFFFFF" << -1;
    QTest::newRow("hex past 32 bits") << "0x100000000" << d;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("past largest") << "2147483648" << d;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("past smallest") << "-2147483649" << d;
    QTest::newRow("huge") << "99999999999999999999999" << d;
    QTest::newRow("word") << "abc" << d;
    QTest::newRow("empty") << "" << d;
    QTest::newRow("sign alone") << "-" << d;
    QTest::newRow("trailing blank") << "12 " << d;
    QTest::newRow("blank after sign") << "- 5" << d;
    QTest::newRow("fraction") << "1.5" << d;
}

void TestProfileFile::integerRules() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(profileIntegerOf(text, -77), expected);
}

void TestProfileFile::flagRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("2") << "2" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("0x10") << "0x10" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("yes, default false") << "yes" << false << false;
    QTest::newRow("true, default true") << "true" << true << true;
    QTest::newRow("empty, default true") << "" << true << true;
}

void TestProfileFile::flagRules() {
    QFETCH(QString, text);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    QCOMPARE(profileFlagOf(text, defaultValue), expected);
}

void TestProfileFile::namesMatchWithoutCase() {
    const QByteArray file = "[easy]\nroma=1\n[Città]\nÀ=2\n";
    QCOMPARE(valueIn(file, "Easy", "Roma"), QString("1"));
    QCOMPARE(valueIn(file, "EASY", "ROMA"), QString("1"));
    QCOMPARE(valueIn(file, "CITTÀ", "à"), QString("2"));
    QCOMPARE(valueIn(file, "Easy", "Milano"), QString("<none>"));
    QCOMPARE(valueIn(file, "Hard", "Roma"), QString("<none>"));
}

void TestProfileFile::writeKeepsSpellingAndEveryOtherByte() {
    const QByteArray before = "; settings\n"
                              "[Other]\n"
                              "Roma=1\n"
                              "\n"
                              "[easy]\n"
                              "  roma = 0 ; not a comment\n"
                              "odd line\n"
                              "TIME=20\n"
                              "; about the next player\n"
                              "[Last]\n"
                              "x=y\n";
    const QByteArray after =
        edited(before, "EASY", {{"Roma", "1"}, {"Milano", "0"}, {"Time", "300"}, {"Zed", "z"}});
    QCOMPARE(after, QByteArray("; settings\n"
                               "[Other]\n"
                               "Roma=1\n"
                               "\n"
                               "[easy]\n"
                               "roma=1\n"
                               "odd line\n"
                               "TIME=300\n"
                               "Milano=0\n"
                               "Zed=z\n"
                               "; about the next player\n"
                               "[Last]\n"
                               "x=y\n"));
    QCOMPARE(edited(after, "easy", {{"roma", "1"}}), after); // the same value changes nothing
    QCOMPARE(edited(before, "New", {{"a", "1"}}), before + "[New]\na=1\n");
}

void TestProfileFile::lineEnds_data() {
    QTest::addColumn<QByteArray>("eol");
    QTest::newRow("CRLF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestProfileFile::lineEnds() {
    QFETCH(QByteArray, eol);
    const QByteArray before = "[a]" + eol + "x=1" + eol + "[b]" + eol + "y=2" + eol;
    QCOMPARE(valueIn(before, "a", "x"), QString("1"));
    QCOMPARE(valueIn(before, "b", "y"), QString("2"));
    QCOMPARE(valueIn(before, "a", "y"), QString("<none>"));
    QCOMPARE(edited(before, "a", {{"x", "3"}, {"z", "4"}}),
             "[a]" + eol + "x=3" + eol + "z=4" + eol + "[b]" + eol + "y=2" + eol);
    QCOMPARE(edited(before, "c", {{"k", "v"}}), before + "[c]" + eol + "k=v" + eol);

    // In a file of mixed line ends each line keeps its own; new lines take the first one's.
    const QByteArray mixed = "[a]" + eol + "x=1\r\ny=2\rz=3\n";
    QCOMPARE(valueIn(mixed, "a", "y"), QString("2"));
    QCOMPARE(edited(mixed, "a", {{"y", "5"}, {"w", "6"}}),
             "[a]" + eol + "x=1\r\ny=5\rz=3\nw=6" + eol);
}

void TestProfileFile::fileWithoutFinalLineEnd() {
    QCOMPARE(valueIn("[a]\nx=1", "a", "x"), QString("1"));
    QCOMPARE(edited("[a]\nx=1", "a", {{"y", "2"}}), QByteArray("[a]\nx=1\ny=2\n"));
    QCOMPARE(edited("[a]\nx=1", "b", {{"y", "2"}}), QByteArray("[a]\nx=1\n[b]\ny=2\n"));
    QCOMPARE(edited("[a]", "a", {{"y", "2"}}), QByteArray("[a]\ny=2\n"));
    QCOMPARE(edited("[a]\nx=1", "a", {{"x", "2"}}), QByteArray("[a]\nx=2"));
}

void TestProfileFile::blanksAroundNamesAndValues() {
    const QByteArray file = " \t[ Easy ]\t\n  Roma \t=  one two  \n";
    QCOMPARE(valueIn(file, "Easy", "Roma"), QString("one two"));
    QCOMPARE(valueIn(file, " easy ", " roma "), QString("one two"));
    QCOMPARE(edited("", " Bob ", {{" Roma ", "  5 "}}), QByteArray("[Bob]\nRoma=5\n"));
    // Vertical tab, form feed and the end-of-file mark 0x1A are blanks too.
    const QByteArray control = "\v[\f a\x1A]\n\x1Ak\f=\v"
                               "5\v\x1A\n";
    QCOMPARE(valueIn(control, "a", "k"), QString("5"));
    QCOMPARE(valueIn(control, "\va\f", "\x1Ak"), QString("5"));
    // An old file ending in 0x1A still gives its last value, and keeps the mark when written.
    QCOMPARE(valueIn("[a]\r\nk=5\x1A", "a", "k"), QString("5"));
    QCOMPARE(edited("[a]\r\nk=5\x1A", "a", {{"k", "6"}}), QByteArray("[a]\r\nk=6\x1A"));
}

void TestProfileFile::quotes_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("double") << QByteArray("\"a b\"") << "a b";
    QTest::newRow("single") << QByteArray("'a b'") << "a b";
    QTest::newRow("unmatched") << QByteArray("\"a b'") << "\"a b'";
    QTest::newRow("one quote") << QByteArray("\"") << "\"";
    QTest::newRow("empty pair") << QByteArray("''") << "";
    QTest::newRow("one pair only") << QByteArray("\"\"x\"\"") << "\"x\"";
    QTest::newRow("blanks inside kept") << QByteArray("\" x \"") << " x ";
}

void TestProfileFile::quotes() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, read);
    QCOMPARE(valueIn("[a]\nk=" + stored + "\n", "a", "k"), read);
}

void TestProfileFile::longValuesAreCut() {
    const QByteArray plain(2000, 'v');
    QCOMPARE(valueIn("[a]\nk=" + plain + "\n", "a", "k"), QString(1023, 'v'));
    QCOMPARE(valueIn("[a]\nk=\"" + QByteArray(1025, 'q') + "\"\n", "a", "k"), QString(1023, 'q'));
    QCOMPARE(valueIn("[a]\nk=" + QByteArray(1023, 'e') + "\n", "a", "k"), QString(1023, 'e'));
    // A character outside the basic plane is not cut in half.
    const QString wide = QString(1022, 'w') + QString::fromUtf8("\xF0\x9F\x98\x80");
    QCOMPARE(valueIn("[a]\nk=" + wide.toUtf8() + "\n", "a", "k"), QString(1022, 'w'));
}

void TestProfileFile::onlyFirstOfDuplicatesCounts() {
    const QByteArray before = "[a]\nx=1\nX=9\n[A]\nx=2\ny=3\n";
    QCOMPARE(valueIn(before, "a", "x"), QString("1"));
    QCOMPARE(valueIn(before, "a", "y"), QString("<none>"));
    QCOMPARE(edited(before, "a", {{"x", "5"}, {"y", "4"}}),
             QByteArray("[a]\nx=5\nX=9\ny=4\n[A]\nx=2\ny=3\n"));
}

void TestProfileFile::keysBeforeFirstHeaderFormEmptySection() {
    const QByteArray before = "top=1\n[a]\nx=2\n";
    QCOMPARE(valueIn(before, "", "top"), QString("1"));
    QCOMPARE(valueIn(before, "", "x"), QString("<none>"));
    QCOMPARE(valueIn(before, "a", "top"), QString("<none>"));
    QCOMPARE(edited(before, "", {{"top", "3"}, {"new", "4"}}),
             QByteArray("top=3\nnew=4\n[a]\nx=2\n"));
    QCOMPARE(edited("[a]\nx=2\n", "", {{"k", "v"}}), QByteArray("k=v\n[a]\nx=2\n"));
    QCOMPARE(edited("", "", {{"k", "v"}}), QByteArray("k=v\n"));
    // A "[]" header further down is a second section of the same name and is left alone.
    QCOMPARE(valueIn("[a]\n[]\nk=v\n", "", "k"), QString("<none>"));
}

void TestProfileFile::linesWithoutEqualsOrClosingBracket() {
    // A line without "=" is a key without a value: it reads as missing and hides a later key of
    // the same name; a write fills it in place. A "[" without "]" starts no section.
    const QByteArray before = "[a]\nRoma \n;Milano=1\nRoma=3\n[b\nx=4\n[c]\n";
    QCOMPARE(valueIn(before, "a", "Roma"), QString("<none>"));
    QCOMPARE(valueIn(before, "a", ";Milano"), QString("<none>"));
    QCOMPARE(valueIn(before, "a", "x"), QString("4"));
    QCOMPARE(valueIn(before, "b", "x"), QString("<none>"));
    QCOMPARE(edited(before, "a", {{"Roma", "1"}, {"x", "5"}, {"y", "6"}}),
             QByteArray("[a]\nRoma=1 \n;Milano=1\nRoma=3\n[b\nx=5\ny=6\n[c]\n"));
    QCOMPARE(edited(before, "b", {{"x", "7"}}), before + "[b]\nx=7\n");
}

void TestProfileFile::sectionNameWithBracketReadsBack() {
    const QByteArray file = edited("", "a]b [c]", {{"k", "v"}});
    QCOMPARE(valueIn(file, "a]b [c]", "k"), QString("v"));
    QCOMPARE(valueIn(file, "a", "k"), QString("<none>"));
}

void TestProfileFile::byteOrderMarkIsKept() {
    const QByteArray bom = "\xEF\xBB\xBF";
    QCOMPARE(valueIn(bom + "top=1\n", "", "top"), QString("1"));
    QCOMPARE(edited(bom + "[a]\n", "", {{"k", "v"}}), bom + "k=v\n[a]\n");
    QCOMPARE(edited(bom + "[a]\n", "a", {{"k", "v"}}), bom + "[a]\nk=v\n");
    // Elsewhere the same bytes are a character of a name or value, kept when read back.
    const QString mark(QChar(0xFEFF)); // not from the bytes: decoding drops a leading mark
    const QByteArray inside = edited("[a]\n", "a", {{mark, "v"}, {"w", mark + "x"}});
    QCOMPARE(valueIn(inside, "a", mark), QString("v"));
    QCOMPARE(valueIn(inside, "a", "w"), mark + "x");
    // Such a name at the very start of a file follows a mark of the file's own.
    const QByteArray first = edited("[a]\n", "", {{mark + "k", "v"}});
    QCOMPARE(first, bom + bom + "k=v\n[a]\n");
    QCOMPARE(valueIn(first, "", mark + "k"), QString("v"));
}

void TestProfileFile::filesOfAnyBytes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("time");     // the player's "Time" as read before the save
    QTest::addColumn<QByteArray>("after"); // after the save writes "Time" 700

    const QString nicolo = QString::fromUtf8("Nicol\xC3\xB2");
    const QByteArray ansi = "[Anna]\r\nTime=100\r\n[Nicol\xF2]\r\nCitt\xE0=1\r\nTime=200\r\n"
                            "[Zoe]\r\nTime=300\r\n";
    QTest::newRow("Windows-1252, into its middle")
        << ansi << nicolo << "200" << QByteArray(ansi).replace("Time=200", "Time=700");
    QTest::newRow("Windows-1252, a new section in UTF-8")
        << ansi << "Bob"
        << "<none>" << ansi + "[Bob]\r\nTime=700\r\n";
    QTest::newRow("the same name in UTF-8")
        << ansi << nicolo + " "
        << "200" << QByteArray(ansi).replace("Time=200", "Time=700");
    const QByteArray stray = "[Anna]\nNote=caf\xE9 \xFF\xC3\n[Bob]\nTime=200\n";
    QTest::newRow("a stray byte in another section")
        << stray << "Bob"
        << "200" << QByteArray(stray).replace("Time=200", "Time=700");
    const QByteArray nul = bytesOf("[Anna]\nTime=1\0"
                                   "00\n\0\n[Bob]\nTime=200\n");
    QTest::newRow("NUL bytes") << nul << "Bob"
                               << "200" << QByteArray(nul).replace("Time=200", "Time=700");
    QTest::newRow("a NUL byte in the player's own value")
        << bytesOf("[Bob]\nTime=2\0"
                   "00\n")
        << "Bob" << QString("2") + QChar(0) + "00" << QByteArray("[Bob]\nTime=700\n");
    const QString wide = "[Anna]\r\nTime=100\r\n[" + nicolo + "]\r\nTime=200\r\n";
    const QString wideAfter = "[Anna]\r\nTime=100\r\n[" + nicolo + "]\r\nTime=700\r\n";
    for (QSysInfo::Endian order : {QSysInfo::LittleEndian, QSysInfo::BigEndian}) {
        const QString name = order == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
        QTest::addRow("%s", qPrintable(name))
            << utf16(wide, order) << nicolo << "200" << utf16(wideAfter, order);
        QTest::addRow("%s, a new section", qPrintable(name))
            << utf16(wide, order) << "Bob"
            << "<none>" << utf16(wide + "[Bob]\r\nTime=700\r\n", order);
        QTest::addRow("%s of odd size", qPrintable(name))
            << utf16("[Bob]\n", order) + "x"
            << "Bob"
            << "<none>" << utf16("[Bob]\nTime=700\n", order) + "x";
    }
    QTest::newRow("UTF-16 without its mark is bytes")
        << utf16("[Bob]\n", QSysInfo::LittleEndian).mid(2) << "Bob"
        << "<none>" << utf16("[Bob]\n", QSysInfo::LittleEndian).mid(2) + "\n[Bob]\nTime=700\n";
}

void TestProfileFile::filesOfAnyBytes() {
    QFETCH(QByteArray, before);
    QFETCH(QString, player);
    QFETCH(QString, time);
    QFETCH(QByteArray, after);
    writeBytes(path, before);
    ProfileFile file(path);
    QCOMPARE(file.load().state(), ProfileSnapshot::State::Read);
    QCOMPARE(file.readString(player, "Time", "<none>"), time);
    file.writeString(player, "Time", "700");
    QCOMPARE(readBytes(path), after);
    QCOMPARE(file.readString(player, "Time", "<none>"), QString("700"));
}

void TestProfileFile::valuesInWindows1252Lines() {
    const QByteArray before = "[a]\nCitt\xE0=1\nk=\xE9\n";
    QCOMPARE(valueIn(before, "a", QString::fromUtf8("citt\xC3\xA0")), QString("1"));
    QCOMPARE(valueIn(before, "a", "k"), QString::fromUtf8("\xC3\xA9"));
    // A value goes into a Windows-1252 key's line in that code page; an ASCII key's line, and
    // a value the code page cannot hold, are written in UTF-8.
    const QString town = QString::fromUtf8("Citt\xC3\xA0");
    const QByteArray after =
        edited(before, "a",
               {{town, QString::fromUtf8("\xE2\x82\xAC")}, {"k", QString::fromUtf8("\xC3\xA8")}});
    QCOMPARE(after, QByteArray("[a]\nCitt\xE0=\x80\nk=\xC3\xA8\n"));
    QCOMPARE(valueIn(after, "a", town), QString::fromUtf8("\xE2\x82\xAC"));
    QCOMPARE(valueIn(after, "a", "k"), QString::fromUtf8("\xC3\xA8"));
    const QString omega = QString::fromUtf8("\xCE\xA9");
    const QByteArray utf8 = edited(before, "a", {{town, omega}});
    QCOMPARE(utf8, QByteArray("[a]\nCitt\xC3\xA0=\xCE\xA9\nk=\xE9\n"));
    QCOMPARE(valueIn(utf8, "a", town), omega);
}

void TestProfileFile::oneSaveWritingOneKeyTwice() {
    QCOMPARE(edited("[a]\n", "a", {{"Roma", "1"}, {"ROMA", "0"}}), QByteArray("[a]\nRoma=0\n"));
    QCOMPARE(edited("[a]\nroma=5\n", "a", {{"Roma", "1"}, {"ROMA", "0"}}),
             QByteArray("[a]\nroma=0\n"));
}

void TestProfileFile::entriesThatWouldNotReadBackAreRefused() {
    writeBytes(path, "[a]\nx=1\n");
    ProfileFile file(path);
    const QList<std::pair<QString, ProfileEntry>> bad = {
        {"a\nb", {"k", "v"}},     {"a", {"k\rk", "v"}},
        {"a", {"k=k", "v"}},      {"a", {"[k", "v"}},
        {"a", {";k", "v"}},       {"a", {" ", "v"}},
        {"a", {"k", "v\r\nx=2"}}, {"a", {"k", QString("v") + QChar(0)}},
    };
    for (const auto& [section, entry] : bad) {
        try {
            file.write(section, {{"fine", "1"}, entry});
            QFAIL(qPrintable("accepted key " + entry.key + " value " + entry.value));
        } catch (const TerravaError& e) {
            QVERIFY2(e.message().startsWith("Cannot store this setting in " + path + ": "),
                     qPrintable(e.message()));
        }
    }
    // A write of no entries still writes the section's header, so its name is checked too.
    for (const QString& section : QStringList{"a\n[b]\ny=2", "a\rb", QString("a") + QChar(0)}) {
        try {
            file.write(section, {});
            QFAIL(qPrintable("accepted section " + section));
        } catch (const TerravaError& e) {
            QVERIFY2(e.message().startsWith("Cannot store this setting in " + path + ": "),
                     qPrintable(e.message()));
        }
    }
    QCOMPARE(readBytes(path), QByteArray("[a]\nx=1\n"));
}

void TestProfileFile::missingFileReadsEmptyAndIsMadeWithItsFolder() {
    const QString nested = dir->filePath("config/deeper/terrava.ini");
    ProfileFile file(nested);
    QCOMPARE(file.load().state(), ProfileSnapshot::State::Missing);
    QCOMPARE(file.readInteger("a", "Time", 1500), 1500);
    QVERIFY(!QFileInfo::exists(dir->filePath("config"))); // reading makes nothing

    file.writeString("Easy", "Time", "20");
    QCOMPARE(readBytes(nested), QByteArray("[Easy]\nTime=20\n"));
    QCOMPARE(file.readInteger("EASY", "time", 1500), 20);
    QCOMPARE(leftovers(QFileInfo(nested).absolutePath()), QStringList());
}

void TestProfileFile::unreadableFileReadsEmptyAndIsNotOverwritten_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size"); // grown to this size with zeros when larger
    QTest::addColumn<QString>("problem");
    QTest::newRow("huge") << QByteArray("[a]\nTime=20\n") << ProfileFile::MaxFileSize + 1
                          << QString("it is larger than %1 bytes").arg(ProfileFile::MaxFileSize);
}

void TestProfileFile::unreadableFileReadsEmptyAndIsNotOverwritten() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, problem);
    writeBytes(path, bytes);
    if (size > 0)
        QVERIFY(QFile::resize(path, size)); // sparse: costs no disk
    const QByteArray before = readBytes(path);

    ProfileFile file(path);
    const ProfileSnapshot snapshot = file.load();
    QCOMPARE(snapshot.state(), ProfileSnapshot::State::Unreadable);
    QCOMPARE(snapshot.problem(), problem);
    QCOMPARE(snapshot.readInteger("a", "Time", 1500), 1500);
    try {
        file.writeString("b", "Time", "30");
        QFAIL("wrote over a file it could not read");
    } catch (const ProfileWriteError& e) {
        QCOMPARE(e.message(), "Unable to write to " + path + ": " + problem);
    }
    QVERIFY(readBytes(path) == before);
    QCOMPARE(leftovers(dir->path()), QStringList());
}

void TestProfileFile::refusedWriteNamesThePath() {
    // A folder in the file's place.
    QVERIFY(QDir(dir->path()).mkpath("terrava.ini/kept"));
    ProfileFile inPlace(path);
    QCOMPARE(inPlace.load().state(), ProfileSnapshot::State::Unreadable);
    try {
        inPlace.writeString("a", "k", "v");
        QFAIL("wrote over a folder");
    } catch (const ProfileWriteError& e) {
        QCOMPARE(e.message(), "Unable to write to " + path + ": it is a folder");
    }
    QVERIFY(QFileInfo(dir->filePath("terrava.ini/kept")).isDir());

    // A folder that cannot be made, because a plain file has its name: even root cannot.
    writeBytes(dir->filePath("plain"), "x");
    const QString below = dir->filePath("plain/terrava.ini");
    ProfileFile file(below);
    try {
        file.writeString("a", "k", "v");
        QFAIL("wrote below a plain file");
    } catch (const ProfileWriteError& e) {
        QCOMPARE(e.message(),
                 QString("Unable to write to %1: its folder cannot be made").arg(below));
    }
    QCOMPARE(readBytes(dir->filePath("plain")), QByteArray("x"));
}

void TestProfileFile::refusedWriteWithoutPermission_data() {
    QTest::addColumn<bool>("folderReadOnly");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << true << "its lock file cannot be made";
    QTest::newRow("read-only file") << false << "it is read-only";
}

void TestProfileFile::refusedWriteWithoutPermission() {
    QFETCH(bool, folderReadOnly);
    QFETCH(QString, reason);
    // Root writes anywhere: the writer then runs without the power to override permissions.
    QString program = TERRAVA_PROFILE_WRITER;
    QStringList arguments = {path, "Bob", "1"};
    if (geteuid() == 0) {
        program = QStandardPaths::findExecutable("setpriv");
        if (program.isEmpty())
            QSKIP("permissions do not stop root, and setpriv is missing");
        arguments =
            QStringList{"--bounding-set=-dac_override,-dac_read_search",
                        "--inh-caps=-dac_override,-dac_read_search", "--", TERRAVA_PROFILE_WRITER} +
            arguments;
    }
    writeBytes(path, "[a]\nx=1\n");
    const QString locked = folderReadOnly ? dir->path() : path;
    const QFile::Permissions before = QFileInfo(locked).permissions();
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    QProcess writer;
    writer.start(program, arguments);
    const bool finished = writer.waitForFinished(30000);
    QVERIFY(QFile::setPermissions(locked, before));
    QVERIFY(finished);
    QCOMPARE(writer.exitCode(), 1);
    const QString error = QString::fromLocal8Bit(writer.readAllStandardError());
    QCOMPARE(error, "Unable to write to " + path + ": " + reason + "\n");
    QCOMPARE(readBytes(path), QByteArray("[a]\nx=1\n"));
    QCOMPARE(leftovers(dir->path()), QStringList());
}

void TestProfileFile::failureBeforeReplaceLeavesOldFile() {
    writeBytes(path, "[a]\nx=1\n");
    QString newFile;
    ProfileFile::setBeforeReplaceHook([&](const QString& written) {
        newFile = written;
        QCOMPARE(readBytes(written), QByteArray("[a]\nx=2\ny=3\n"));
        throw TerravaError("disk gone");
    });
    ProfileFile file(path);
    QVERIFY_THROWS_EXCEPTION(TerravaError, file.write("a", {{"x", "2"}, {"y", "3"}}));
    QVERIFY(!newFile.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("[a]\nx=1\n"));
    QCOMPARE(leftovers(dir->path()), QStringList()); // neither the new file nor the lock

    ProfileFile::setBeforeReplaceHook({});
    file.write("a", {{"x", "2"}});
    QCOMPARE(readBytes(path), QByteArray("[a]\nx=2\n"));
}

void TestProfileFile::failedReplaceIsReported() {
    writeBytes(path, "[a]\nx=1\n");
    // Something puts a folder in the file's place just before the rename.
    ProfileFile::setBeforeReplaceHook([&](const QString&) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(dir->path()).mkpath("terrava.ini/kept"));
    });
    ProfileFile file(path);
    try {
        file.writeString("a", "x", "2");
        QFAIL("reported success");
    } catch (const ProfileWriteError& e) {
        QVERIFY2(e.message().startsWith("Unable to write to " + path +
                                        ": the new file cannot replace it ("),
                 qPrintable(e.message()));
    }
    QCOMPARE(leftovers(dir->path()), QStringList());
}

void TestProfileFile::crashBeforeReplaceLeavesOldFile() {
    const QByteArray before = "; kept\n[Other]\nTime=30\n";
    writeBytes(path, before);
    QProcess writer;
    writer.start(TERRAVA_PROFILE_WRITER, {path, "Crasher", "crash"});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 3);
    QCOMPARE(readBytes(path), before);

    // The dead process's lock and half-done file do not hold up the next Save.
    ProfileFile file(path);
    file.writeString("Next", "Time", "40");
    QCOMPARE(readBytes(path), before + "[Next]\nTime=40\n");
    QCOMPARE(leftovers(dir->path()), QStringList());
}

void TestProfileFile::concurrentSavesKeepBothSections() {
    const int saves = 40;
    const QStringList players = {"Anna", "Bruno", "Carla"};
    writeBytes(path, "[Kept]\nk=v\n");
    std::vector<std::unique_ptr<QProcess>> writers;
    for (const QString& player : players) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers.back()->start(TERRAVA_PROFILE_WRITER, {path, player, QString::number(saves)});
    }
    for (auto& writer : writers) {
        QVERIFY(writer->waitForFinished(120000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer->exitCode(), 0);
    }
    // Every save added one key: a save that undid another's would have lost that key for good.
    const ProfileSnapshot result = ProfileFile(path).load();
    QCOMPARE(result.readString("Kept", "k", ""), QString("v"));
    for (const QString& player : players) {
        for (int i = 0; i < saves; ++i)
            QVERIFY2(result.value(player, QString("Save%1").arg(i)).has_value(),
                     qPrintable(QString("%1 lost save %2").arg(player).arg(i)));
        QCOMPARE(result.readString(player, "Town 129", ""), QString("1"));
    }
    QCOMPARE(leftovers(dir->path()), QStringList());
}

void TestProfileFile::symbolicLinkAndPermissionsAreKept() {
    const QString real = dir->filePath("real.ini");
    writeBytes(real, "[a]\nx=1\n");
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QVERIFY(QFile::link(real, path));
    ProfileFile(path).writeString("a", "x", "2");
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("[a]\nx=2\n"));
    const QFile::Permissions ownerGroupOther(0x7077);
    QCOMPARE(QFileInfo(real).permissions() & ownerGroupOther,
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
