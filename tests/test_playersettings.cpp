// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList Towns = {"Roma", "L Aquila", "Reggio Calabria"};

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPlayerSettings : public QObject {
    Q_OBJECT

private slots:
    void init();

    void newPlayerOrMissingFileGivesDefaults();
    void loadMovesValuesIntoRange_data();
    void loadMovesValuesIntoRange();
    void townFlags();
    void saveWritesEveryKeyInOrder();
    void saveAndLoadRoundTrip();
    void clampedValueIsWrittenBack();
    void saveKeepsOtherPlayersAndFormerTowns();
    void refusedSaveWritesNothing();
    void windows1252PlayerLoadsAndSaves();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

void TestPlayerSettings::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    path = dir->filePath("terrava.ini");
}

void TestPlayerSettings::newPlayerOrMissingFileGivesDefaults() {
    for (bool withFile : {false, true}) {
        if (withFile)
            writeBytes(path, "[Other]\nTime=30\nNumquesiti=9\nSound=1\nRoma=1\n");
        const PlayerSettings s = readPlayerSettings(ProfileFile(path), "New", Towns);
        QCOMPARE(s.disliked, std::vector<bool>(3, false));
        QCOMPARE(s.time, 1500);
        QCOMPARE(s.bonus, 2);
        QCOMPARE(s.questions, 5);
        QCOMPARE(s.sound, false);
    }
    QCOMPARE(readBytes(path), QByteArray("[Other]\nTime=30\nNumquesiti=9\nSound=1\nRoma=1\n"));
}

void TestPlayerSettings::loadMovesValuesIntoRange_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<int>("questions");
    QTest::newRow("above") << QByteArray("Time=20000\nBonus=11\nNumquesiti=50\n") << 5010 << 10
                           << 30;
    QTest::newRow("below") << QByteArray("Time=5\nBonus=-3\nNumquesiti=0\n") << 10 << 0 << 1;
    QTest::newRow("ends") << QByteArray("Time=10\nBonus=10\nNumquesiti=1\n") << 10 << 10 << 1;
    QTest::newRow("hex") << QByteArray("Time=0x100\nBonus=$A\nNumquesiti=0X1e\n") << 256 << 10
                         << 30;
    QTest::newRow("not numbers") << QByteArray("Time=abc\nBonus=\nNumquesiti=1.5\n") << 1500 << 2
                                 << 5;
    QTest::newRow("out of 32 bits") << QByteArray("Time=4294967296\n") << 1500 << 2 << 5;
    QTest::newRow("keys in other case")
        << QByteArray("TIME=700\nbonus=4\nNUMQUESITI=7\n") << 700 << 4 << 7;
}

void TestPlayerSettings::loadMovesValuesIntoRange() {
    QFETCH(QByteArray, section);
    QFETCH(int, time);
    QFETCH(int, bonus);
    QFETCH(int, questions);
    writeBytes(path, "[easy]\n" + section);
    const PlayerSettings s = readPlayerSettings(ProfileFile(path), "Easy", Towns);
    QCOMPARE(s.time, time);
    QCOMPARE(s.bonus, bonus);
    QCOMPARE(s.questions, questions);
}

void TestPlayerSettings::townFlags() {
    writeBytes(path, "[Bob]\nroma=2\nL Aquila=yes\nReggio Calabria=0x10\nSound=-1\n");
    const PlayerSettings s = readPlayerSettings(ProfileFile(path), "BOB", Towns);
    QCOMPARE(s.disliked, (std::vector<bool>{true, false, true}));
    QCOMPARE(s.sound, true);
}

void TestPlayerSettings::saveWritesEveryKeyInOrder() {
    ProfileFile file(path);
    PlayerSettings s;
    s.disliked = {true, false, true};
    s.time = 700;
    s.bonus = 0;
    s.questions = 30;
    s.sound = true;
    writePlayerSettings(file, "Bob", Towns, s);
    QCOMPARE(readBytes(path), QByteArray("[Bob]\nRoma=1\nL Aquila=0\nReggio Calabria=1\n"
                                         "Time=700\nBonus=0\nNumquesiti=30\nSound=1\n"));
}

void TestPlayerSettings::saveAndLoadRoundTrip() {
    ProfileFile file(path);
    QStringList towns;
    for (int i = 0; i < 130; ++i)
        towns << QString("Town %1").arg(i);
    for (const QString& player : {QString("Easy"), QString("")}) {
        PlayerSettings saved;
        for (int i = 0; i < 130; ++i)
            saved.disliked.push_back(i % 3 == 0);
        saved.time = 4321;
        saved.bonus = 7;
        saved.questions = 12;
        saved.sound = true;
        writePlayerSettings(file, player, towns, saved);

        const PlayerSettings loaded = readPlayerSettings(file, player.toUpper(), towns);
        QCOMPARE(loaded.disliked, saved.disliked);
        QCOMPARE(loaded.time, saved.time);
        QCOMPARE(loaded.bonus, saved.bonus);
        QCOMPARE(loaded.questions, saved.questions);
        QCOMPARE(loaded.sound, saved.sound);
    }
    // The empty name's keys sit before the first header and the named player is untouched.
    QVERIFY(readBytes(path).startsWith("Town 0=1\n"));
    QCOMPARE(readPlayerSettings(file, "easy", towns).time, 4321);
}

void TestPlayerSettings::clampedValueIsWrittenBack() {
    writeBytes(path, "[Easy]\ntime=20000\n");
    ProfileFile file(path);
    writePlayerSettings(file, "EASY", Towns, readPlayerSettings(file, "EASY", Towns));
    QVERIFY(readBytes(path).startsWith("[Easy]\ntime=5010\n"));
}

void TestPlayerSettings::saveKeepsOtherPlayersAndFormerTowns() {
    const QByteArray others = "; players\r\n[Anna]\r\nRoma=1\r\n";
    writeBytes(path, others + "[Bob]\r\nGone Town=1\r\nroma=1\r\n[Carla]\r\nTime=99\r\n");
    ProfileFile file(path);
    PlayerSettings s;
    s.disliked = {false, true, false};
    writePlayerSettings(file, "Bob", Towns, s);
    QCOMPARE(readBytes(path),
             others + "[Bob]\r\nGone Town=1\r\nroma=0\r\nL Aquila=1\r\nReggio Calabria=0\r\n"
                      "Time=1500\r\nBonus=2\r\nNumquesiti=5\r\nSound=0\r\n[Carla]\r\nTime=99\r\n");
}

void TestPlayerSettings::refusedSaveWritesNothing() {
    writeBytes(dir->filePath("plain"), "x");
    const QString below = dir->filePath("plain/terrava.ini");
    ProfileFile file(below);
    try {
        writePlayerSettings(file, "Bob", Towns, PlayerSettings{});
        QFAIL("reported success");
    } catch (const TerravaError& e) {
        QCOMPARE(e.message(), "Unable to write to " + below + ": its folder cannot be made");
    }

    // A file too large to read is not replaced by one holding this player alone.
    writeBytes(path, "[Anna]\nRoma=1\n");
    QVERIFY(QFile::resize(path, ProfileFile::MaxFileSize + 1)); // sparse: costs no disk
    ProfileFile existing(path);
    QCOMPARE(readPlayerSettings(existing, "Anna", Towns).disliked, std::vector<bool>(3, false));
    try {
        writePlayerSettings(existing, "Bob", Towns, PlayerSettings{});
        QFAIL("replaced a file it could not read");
    } catch (const TerravaError& e) {
        QCOMPARE(e.message(), QString("Unable to write to %1: it is larger than %2 bytes")
                                  .arg(path)
                                  .arg(ProfileFile::MaxFileSize));
    }
    QCOMPARE(QFileInfo(path).size(), ProfileFile::MaxFileSize + 1);
    QVERIFY(readBytes(path).startsWith("[Anna]\nRoma=1\n\0"));
}

void TestPlayerSettings::windows1252PlayerLoadsAndSaves() {
    // A file of an older copy in the Windows code page, with a byte that is no text at all.
    const QByteArray anna = "[Anna]\r\nRoma=1\r\nNote=caf\xE9\xFF\r\n";
    const QByteArray zoe = "[Zoe]\r\nTime=\x81\r\n";
    writeBytes(path, anna + "[Nicol\xF2]\r\nroma=1\r\nTime=900\r\n" + zoe);
    ProfileFile file(path);
    const QString nicolo = QString::fromUtf8("Nicol\xC3\xB2");
    PlayerSettings s = readPlayerSettings(file, nicolo, Towns);
    QCOMPARE(s.disliked, (std::vector<bool>{true, false, false}));
    QCOMPARE(s.time, 900);
    s.disliked = {false, true, false};
    s.sound = true;
    writePlayerSettings(file, nicolo, Towns, s);
    QCOMPARE(readBytes(path), anna +
                                  "[Nicol\xF2]\r\nroma=0\r\nTime=900\r\nL Aquila=1\r\n"
                                  "Reggio Calabria=0\r\nBonus=2\r\nNumquesiti=5\r\nSound=1\r\n" +
                                  zoe);
    QCOMPARE(readPlayerSettings(file, nicolo, Towns).disliked, s.disliked);
    QCOMPARE(readPlayerSettings(file, "Anna", Towns).disliked,
             (std::vector<bool>{true, false, false}));
}

QTEST_GUILESS_MAIN(TestPlayerSettings)
#include "test_playersettings.moc"
