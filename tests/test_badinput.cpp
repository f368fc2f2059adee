// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input of every kind the program reads: pictures, sounds, hotspot definitions and the
// settings file. Each case asserts a message that says what went wrong and where, that nothing
// already loaded or stored is lost, and that good input still works afterwards.
//
// Run by with-pulseaudio.sh: TERRAVA_SOUND=server promises a private sound server with a null
// sink, TERRAVA_SOUND=none promises no server at all; the sound cases check either outcome.

#include "DefinitionResource.h"
#include "Error.h"
#include "ErrorOf.h"
#include "HImages.h"
#include "SoundDevice.h"
#include "SpinEdit.h"
#include "TrackBar.h"
#include "WaveFiles.h"
#include "WavePlayer.h"
#include "WindowFixture.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <sys/fsuid.h>
#include <unistd.h>

extern QString PlayerName;

namespace {

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --- pictures ------------------------------------------------------------------------------

// An 8-bit picture: a pale land with one dark patch.
QImage makePicture(int w, int h) {
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorCount(2);
    image.setColor(0, qRgb(240, 240, 224));
    image.setColor(1, qRgb(0, 128, 0));
    image.fill(0);
    for (int y = h / 4; y < h / 2; ++y)
        for (int x = w / 4; x < w / 2; ++x)
            image.setPixel(x, y, 1);
    return image;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The two headers of a 24-bit BMP that claims width x height pixels, then a little data.
QByteArray hugeBmpHeader(qint32 width, qint32 height) {
    const quint32 rowBytes = (quint32(width) * 3 + 3) & ~3u;
    const quint32 imageBytes = rowBytes * quint32(height); // wraps: the header lies anyway
    QByteArray h("BM");
    append<quint32>(h, 54 + imageBytes);
    append<quint32>(h, 0);
    append<quint32>(h, 54);
    append<quint32>(h, 40);
    append<qint32>(h, width);
    append<qint32>(h, height);
    append<quint16>(h, 1);
    append<quint16>(h, 24);
    append<quint32>(h, 0); // no compression
    append<quint32>(h, imageBytes);
    append<qint32>(h, 2835);
    append<qint32>(h, 2835);
    append<quint32>(h, 0);
    append<quint32>(h, 0);
    return h + QByteArray(4096, '\x7f');
}

const QStringList townLines{
    "Etruria.bmp/Roma=-3;40,40;60,60;",
    "Padania.bmp/Bergamo=-1;10,10;30,30;",
    "Padania.bmp/Milano=-3;50,50;90,80;",
};

// --- sounds --------------------------------------------------------------------------------

// Opens the file; the message of the refusal, or an empty string.
QString openFailure(WavePlayer& player, const QString& name) {
    player.setFileName(name);
    return errorOf([&] { player.open(); });
}

// --- the main window -----------------------------------------------------------------------

// Sets every setting control away from its default.
void setNonDefaults(TMainForm& form) {
    form.ListBox->item(2)->setSelected(true);
    form.TimeTrackBar->setPosition(700);
    form.TownsTrackBar->setPosition(8);
    form.SpinEdit->setValue(17);
    form.SoundCheckBox->setChecked(true);
}

} // namespace

class BadInputTest : public QObject, WindowFixture {
    Q_OBJECT
    QString pictures;
    bool haveOutput = false;

private slots:
    void initTestCase() {
        QVERIFY(setUpWindows());

        pictures = scratch.filePath("images") + '/';
        QVERIFY(QDir().mkpath(pictures));
        // Searchable by anyone: the unreadable-file case reads it as another user.
        QFile::setPermissions(scratch.path(), QFile::permissions(scratch.path()) | QFile::ExeOther |
                                                  QFile::ExeGroup);
        QFile::setPermissions(pictures, QFile::permissions(pictures) | QFile::ExeOther |
                                            QFile::ExeGroup | QFile::ReadOther);
        QVERIFY(makePicture(200, 100).save(pictures + "Padania.bmp", "BMP"));

        const QByteArray promise = qgetenv("TERRAVA_SOUND");
        haveOutput = WavePlayer::outputAvailable();
        if (promise == "server")
            QVERIFY2(haveOutput, "the private sound server offers no audio output");
        if (promise == "none")
            QVERIFY2(!haveOutput, "an audio output is present although no server should be");
    }

    // --- pictures ---

    void badPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty with mode "folder": a folder of that name
        QTest::addColumn<QString>("mode");     // "file", "sparse", "folder" or "unreadable"
        QTest::addColumn<QString>("message");  // how the message starts; %1 the full path

        const QString cannotRead = QStringLiteral("Cannot read the picture %1: ");
        const QByteArray good = bmpBytes(makePicture(120, 90));
        const QString tooLarge("its header announces 60000 x 60000 pixels, more than a picture "
                               "may have");
        QTest::newRow("zero bytes")
            << "Empty.bmp" << QByteArray() << "file" << cannotRead + "the file is empty";
        QTest::newRow("truncated")
            << "Cut.bmp" << good.left(good.size() / 2) << "file"
            << cannotRead + QString("the file is cut short: it holds %1 bytes of the %2 its "
                                    "header announces")
                                .arg(good.size() / 2)
                                .arg(good.size());
        QTest::newRow("header only")
            << "Headless.bmp" << good.left(40) << "file" << cannotRead + "the file is cut short";
        QTest::newRow("60000 x 60000")
            << "Huge.bmp" << hugeBmpHeader(60000, 60000) << "file" << cannotRead + tooLarge;
        QTest::newRow("60000 x 60000 in full")
            << "HugeWhole.bmp" << hugeBmpHeader(60000, 60000) << "sparse" << cannotRead + tooLarge;
        QTest::newRow("negative width")
            << "Negative.bmp" << hugeBmpHeader(-60000, 100) << "file" << cannotRead;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        makePicture(20, 20).save(&buffer, "PNG");
        QTest::newRow("PNG renamed")
            << "Renamed.bmp" << png << "file" << cannotRead + "the file is not a BMP picture";
        QTest::newRow("folder") << "Etruria.bmp" << QByteArray() << "folder"
                                << "File Etruria.bmp not found.\rThe file should be in "
                                   "directory :\r" +
                                       pictures;
        QTest::newRow("unreadable")
            << "Locked.bmp" << good << "unreadable" << cannotRead + "Permission denied";
    }
    void badPictures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mode);
        QFETCH(QString, message);
        const QString path = pictures + name;
        if (mode == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, bytes));
        if (mode == "sparse") // every row the header announces is there: a hole in the file
            QVERIFY(QFile(path).resize(54 + 180000LL * 60000));
        const qint64 memoryBefore = residentBytes();

        THyperImages map;
        map.resize(202, 102);
        map.setHotspotsDef(townLines);
        map.setPicturesDir(pictures);
        map.LoadPicture("Padania.bmp");
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));

        MessageLog boxes;
        QString error;
        if (mode == "unreadable") {
            QVERIFY(QFile::setPermissions(path, {}));
            // Root reads any file: the load runs as nobody for the file system, on this
            // thread alone, which drops the override of file permissions with it.
            const bool asRoot = geteuid() == 0;
            if (asRoot)
                setfsuid(65534);
            error = errorOf([&] { map.LoadPicture(name); });
            if (asRoot) {
                setfsuid(0);
                QCOMPARE(setfsuid(uid_t(-1)), 0); // back to root for the file system
            }
        } else {
            error = errorOf([&] { map.LoadPicture(name); });
        }

        qInfo("%s",
              qPrintable(error.isEmpty() && !boxes.shown.isEmpty() ? boxes.shown[0].text : error));
        if (mode == "folder") {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].kind, MessageKind::Error);
            QCOMPARE(boxes.shown[0].text, message);
            QCOMPARE(map.ActiveHotspots().size(), std::size_t(2)); // nothing was touched
        } else {
            QVERIFY(boxes.shown.isEmpty());
            QVERIFY2(error.startsWith(message.arg(path)), qPrintable(error));
            // Where the reader alone judges, it still says something after the colon.
            if (message.endsWith(": "))
                QVERIFY2(error.size() > message.arg(path).size() + 3, qPrintable(error));
            QVERIFY(map.ActiveHotspots().empty()); // the old picture's are released
        }
        // Refused before its pixels take memory.
        QVERIFY2(residentBytes() - memoryBefore < 64 * 1024 * 1024,
                 qPrintable(QString::number(residentBytes() - memoryBefore)));
        // The picture shown stays the old one, and a good picture loads afterwards.
        QCOMPARE(map.PictureFilename(), QString("Padania.bmp"));
        QCOMPARE(map.PictureImage().size(), QSize(200, 100));
        map.LoadPicture("Padania.bmp");
        QCOMPARE(map.ActiveHotspots().size(), std::size_t(2));
        QString hit;
        QVERIFY(map.HotspotAt(20, 20, hit));
        QCOMPARE(hit, QString("Bergamo"));
        if (mode != "folder")
            QVERIFY(QFile::remove(path));
    }

    // --- sounds ---

    void badSounds_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        QTest::newRow("zero bytes") << QByteArray() << "not a wave file";
        QTest::newRow("text") << QByteArray("RIFF? No, only words about sounds.\n")
                              << "not a wave file";
        QTest::newRow("header cut short") << tone({}, 100).left(30) << "not a wave file";
        QTest::newRow("no data chunk") << tone({}, 100).left(36) << "not a wave file";
        QTest::newRow("zero channels")
            << tone({1, 0, 8000, 16}, 10) << "not a wave file, or is damaged";
        QTest::newRow("zero rate")
            << tone({1, 1, 0, 16}, 10) + QByteArray(64, '\0') << "not a wave file, or is damaged";
    }
    // The file is checked before the output: these are refused alike with and without sound,
    // and a good file opens afterwards as far as the output lets it.
    void badSounds() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        QVERIFY(QDir::setCurrent(scratch.path())); // cue names are bare, as the game gives them
        QVERIFY(writeFile("bad.wav", bytes));
        QVERIFY(writeFile("good.wav", tone({}, 200)));
        WavePlayer player;
        const QString message = openFailure(player, "bad.wav");
        QVERIFY2(message.contains(why), qPrintable(message));
        QVERIFY2(message.contains(scratch.filePath("bad.wav")), qPrintable(message));
        QCOMPARE(player.lastErrorText(), message);
        QVERIFY(!player.isOpen());
        QCOMPARE(readFile("bad.wav"), bytes); // read, never touched

        const QString next = openFailure(player, "good.wav");
        if (haveOutput) {
            QVERIFY2(next.isEmpty(), qPrintable(next));
            QCOMPARE(player.length(), 200);
            player.play();
            QCOMPARE(player.lastError(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(player.position(), 200, 10000);
        } else {
            QVERIFY2(next.contains("no audio output device"), qPrintable(next));
        }
    }

    void soundFormats_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::newRow("8-bit") << 1 << 1 << 11025 << 8;
        QTest::newRow("stereo") << 1 << 2 << 22050 << 16;
        QTest::newRow("48 kHz") << 1 << 1 << 48000 << 16;
        QTest::newRow("float") << 3 << 1 << 44100 << 32;
        QTest::newRow("float stereo 48 kHz") << 3 << 2 << 48000 << 32;
    }
    // Played to their end on an output; without one, refused with a message naming the file.
    void soundFormats() {
        QFETCH(int, tag);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QVERIFY(QDir::setCurrent(scratch.path()));
        QVERIFY(
            writeFile("format.wav",
                      tone({quint16(tag), quint16(channels), quint32(rate), quint16(bits)}, 300)));
        WavePlayer player;
        const QString message = openFailure(player, "format.wav");
        if (!haveOutput) {
            QVERIFY2(message.contains(scratch.filePath("format.wav")) &&
                         message.contains("no audio output device"),
                     qPrintable(message));
            QVERIFY(!player.isOpen());
            return;
        }
        QVERIFY2(message.isEmpty(), qPrintable(message));
        const qint64 length = player.length(); // whole frames: 299 ms at 11025 Hz
        QVERIFY2(length == 300 || length == 299, qPrintable(QString::number(length)));
        player.play();
        QCOMPARE(player.lastError(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), length, 10000);
    }

    // An hour of stereo at 48 kHz: 690 MB of samples, a hole in the file. Opening reads only
    // the header, so resident memory does not grow by anything like the file's size.
    void hourLongSoundOpensWithoutReadingIt() {
        QVERIFY(QDir::setCurrent(scratch.path()));
        const WaveFormat f{1, 2, 48000, 16};
        const quint32 dataBytes = 3600u * f.rate * f.blockAlign();
        QVERIFY(writeFile("hour.wav", waveHeader(f, dataBytes)));
        QVERIFY(QFile("hour.wav").resize(44 + qint64(dataBytes)));
        WavePlayer player;
        const qint64 before = residentBytes();
        const QString message = openFailure(player, "hour.wav");
        if (haveOutput) {
            QVERIFY2(message.isEmpty(), qPrintable(message));
            QCOMPARE(player.length(), 3'600'000);
            player.play();
            QTRY_VERIFY_WITH_TIMEOUT(player.position() > 100, 10000);
        } else {
            QVERIFY2(message.contains("no audio output device"), qPrintable(message));
        }
        QVERIFY2(residentBytes() - before < 32 * 1024 * 1024,
                 qPrintable(QString::number(residentBytes() - before)));
        player.close();
        QFile::remove("hour.wav");
    }

    // --- hotspot definitions ---

    void malformedDefinitions_data() {
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("why");
        QTest::newRow("word for a number") << "Padania.bmp/Como=-1;10,ten;30,30;"
                                           << "'ten' is not a valid integer value";
        QTest::newRow("beyond 32 bits") << "Padania.bmp/Como=-1;10,99999999999;30,30;"
                                        << "'99999999999' is not a valid integer value";
        QTest::newRow("no code") << "Padania.bmp/Como=;10,10;30,30;"
                                 << "";
        QTest::newRow("no slash") << "Como=-1;10,10;30,30;"
                                  << "";
        QTest::newRow("no equals sign") << "Padania.bmp/Como-1;10,10;30,30;"
                                        << "";
        QTest::newRow("code without its semicolon") << "Padania.bmp/Como=-1"
                                                    << "";
        QTest::newRow("x without its comma") << "Padania.bmp/Como=-1;10,10;30;"
                                             << "";
        QTest::newRow("y without its semicolon") << "Padania.bmp/Como=-1;10,10;30,30"
                                                 << "";
        QString pairs;
        for (int i = 0; i < 101; ++i)
            pairs += QString("%1,%1;").arg(i);
        QTest::newRow("101 points") << "Padania.bmp/Como=101;" + pairs << "";
        QTest::newRow("code above 100") << "Padania.bmp/Como=150;1,1;9,1;9,9;"
                                        << "";
        QTest::newRow("blank line") << ""
                                    << "";
    }
    // The error names the file, the line and what is wrong with it; good lines before and
    // after are no excuse, and a good file still reads afterwards.
    void malformedDefinitions() {
        QFETCH(QString, bad);
        QFETCH(QString, why);
        const QString path = scratch.filePath("hotspots.txt");
        const QStringList good{"Padania.bmp/Bergamo=-1;10,10;30,30;",
                               "Padania.bmp/Milano=-3;50,50;90,80;",
                               "Etruria.bmp/Roma=4;40,40;60,40;60,60;40,60;"};
        QVERIFY(writeFile(
            path, (good[0] + "\r\n" + good[1] + "\n" + bad + "\n" + good[2] + "\n").toUtf8()));
        const QString message = errorOf([&] { ReadDefinitionLines(path); });
        qInfo("%s", qPrintable(message));
        QVERIFY2(message.startsWith(path + ", line 3: "), qPrintable(message));
        QVERIFY2(message.contains(why), qPrintable(message));
        QVERIFY2(message.size() > (path + ", line 3: ").size() + 5, qPrintable(message));

        QVERIFY(writeFile(path, good.join('\n').toUtf8()));
        QCOMPARE(ReadDefinitionLines(path), good);
    }

    void unreadableDefinitions() {
        const QString folder = scratch.filePath("folder-hotspots.txt");
        QVERIFY(QDir().mkpath(folder));
        for (const QString& path : {scratch.filePath("missing-hotspots.txt"), folder}) {
            const QString message = errorOf([&] { ReadDefinitionLines(path); });
            QVERIFY2(message.startsWith("Cannot read the hotspot definitions " + path + ": "),
                     qPrintable(message));
        }
        // The game's own definitions read cleanly.
        QCOMPARE(ReadDefinitionLines(":/content/nation-hotspots.txt").size(), 5);
        QVERIFY(ReadDefinitionLines(":/content/town-hotspots.txt").size() >= 130);
    }

    // --- the settings file ---

    void badSettingsFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        // The player's own section first, valid and full of other values, then 50 MB.
        QByteArray big = "[Ada]\r\nTime=900\r\nBonus=7\r\nNumquesiti=12\r\nSound=1\r\n"
                         "[Others]\r\n";
        big.reserve(50 * 1024 * 1024 + 64);
        for (int i = 0; big.size() < 50 * 1024 * 1024; ++i)
            big += "Key" + QByteArray::number(i) + "=a value no one will read\r\n";
        QTest::newRow("50 MB") << big;
    }
    // The settings are read through the main window as the name dialog does it: the
    // defaults come, the file is left alone, and a Save says it cannot write and keeps it.
    void badSettingsFiles() {
        QFETCH(QByteArray, bytes);
        QVERIFY(QDir::setCurrent(gameFolder()));
        const QString path = ProfileFile::defaultPath();
        QVERIFY(writeFile(path, bytes));

        const auto owned = makeForm();
        TMainForm& form = *owned;
        PlayerName = "Ada";
        setNonDefaults(form);
        form.LoadSettings();
        for (int i = 0; i < form.ListBox->count(); ++i)
            QVERIFY(!form.ListBox->item(i)->isSelected());
        QCOMPARE(form.TimeTrackBar->Position(), 1500);
        QCOMPARE(form.TownsTrackBar->Position(), 2);
        QCOMPARE(form.SpinEdit->Value(), 5);
        QVERIFY(!form.SoundCheckBox->isChecked());
        QVERIFY(readFile(path) == bytes);

        MessageLog boxes;
        setNonDefaults(form);
        form.SaveButton->click();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].kind, MessageKind::Error);
        QCOMPARE(boxes.shown[0].caption, QString("Terrava"));
        QCOMPARE(boxes.shown[0].text, QString("Unable to write to %1: it is larger than %2 bytes.")
                                          .arg(path)
                                          .arg(ProfileFile::MaxFileSize));
        QVERIFY(readFile(path) == bytes);
        QCOMPARE(QDir(configHome()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList{"terrava.ini"}); // no new file or lock left beside it

        // Once the bad file is gone the same window saves and reads back.
        QVERIFY(QFile::remove(path));
        form.SaveButton->click();
        QCOMPARE(boxes.shown.size(), 1);
        form.SpinEdit->setValue(3);
        form.LoadSettings();
        QCOMPARE(form.SpinEdit->Value(), 17);
        QCOMPARE(form.TimeTrackBar->Position(), 700);
        QVERIFY(form.ListBox->item(2)->isSelected());
        QVERIFY(QFile::remove(path));
    }
};

QTEST_MAIN(BadInputTest)
#include "test_badinput.moc"
