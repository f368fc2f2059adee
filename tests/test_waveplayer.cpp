// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Error.h"
#include "SoundServer.h"
#include "WaveFiles.h"
#include "WavePlayer.h"
#include "WaveStream.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <unistd.h>

// Run by with-pulseaudio.sh: TERRAVA_SOUND=server promises a private sound server with a null
// sink, TERRAVA_SOUND=none promises no server at all. Run alone, the test looks for itself.
using namespace SoundServer;

namespace {

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

QString openFailure(WavePlayer& player) {
    try {
        player.open();
    } catch (const TerravaError& e) {
        return e.message();
    }
    return {};
}

} // namespace

#define REQUIRE_OUTPUT()                                                                           \
    if (!haveOutput)                                                                               \
    QSKIP("no audio output here; with-pulseaudio.sh runs these against a null sink")

class TestWavePlayer : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    bool haveOutput = false;

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture %s", qPrintable(name));
        return name;
    }
    // A wave file of an hour whose samples are a hole in the file: nothing is written.
    QString writeHourLong() {
        const WaveFormat f{1, 2, 48000, 16};
        const quint32 dataBytes = 3600u * f.rate * f.blockAlign();
        write(QStringLiteral("hour.wav"), waveHeader(f, dataBytes));
        QFile(dir.filePath("hour.wav")).resize(44 + qint64(dataBytes));
        return QStringLiteral("hour.wav");
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path())); // cue names are bare, as the game gives them
        const QByteArray promise = qgetenv("TERRAVA_SOUND");
        haveOutput = WavePlayer::outputAvailable();
        if (promise == "server")
            QVERIFY2(haveOutput, "the private sound server offers no audio output");
        if (promise == "none")
            QVERIFY2(!haveOutput, "an audio output is present although no server should be");
    }

    void withoutOpenDeviceLengthRaises() {
        WavePlayer player;
        QVERIFY_THROWS_EXCEPTION(TerravaError, player.length());
        try {
            player.length();
        } catch (const TerravaError& e) {
            QCOMPARE(e.message(), QStringLiteral("No MCI device open"));
        }
        QCOMPARE(player.position(), 0);
        player.play(); // only sets the code
        QCOMPARE(player.lastError(), int(WaveError::NotOpen));
        player.close();
        QCOMPARE(player.lastError(), 0);
    }

    void refusedFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "Whistle.wav" << int(WaveError::FileNotFound) << "not found";
        QTest::newRow("text") << write("text.wav", "This is no sound at all.\n")
                              << int(WaveError::NotWaveFile) << "not a wave file";
        QTest::newRow("zero bytes")
            << write("empty.wav", {}) << int(WaveError::NotWaveFile) << "not a wave file";
        QByteArray au(".snd"); // offset, size, 16-bit linear, rate, channels, big-endian
        for (quint32 v : {24u, 800u, 3u, 8000u, 1u})
            for (int shift : {24, 16, 8, 0})
                au.append(char((v >> shift) & 0xff));
        QTest::newRow("other sound type")
            << write("au.wav", au + QByteArray(800, '\0')) << int(WaveError::NotWaveFile)
            << "another kind of sound data";
        QTest::newRow("header cut short") << write("cut.wav", tone({}, 100).left(20))
                                          << int(WaveError::NotWaveFile) << "not a wave file";
        QTest::newRow("unknown encoding")
            << write("odd.wav", waveFile({0x1234, 1, 8000, 16}, {0.0, 0.0}))
            << int(WaveError::NotWaveFile) << "not a wave file, or is damaged";
        QDir(dir.path()).mkdir("folder.wav");
        QTest::newRow("folder") << "folder.wav" << int(WaveError::CannotReadFile)
                                << "not a regular file";
        QTest::newRow("no name") << "" << int(WaveError::FileNotFound) << "No sound file name";
    }
    // The file is checked before the output, so these fail alike with and without sound.
    void refusedFiles() {
        QFETCH(QString, name);
        QFETCH(int, code);
        QFETCH(QString, why);
        WavePlayer player;
        player.setFileName(name);
        const QString message = openFailure(player);
        QVERIFY2(message.contains(why), qPrintable(message));
        if (!name.isEmpty())
            QVERIFY2(message.contains(dir.filePath(name)), qPrintable(message));
        QCOMPARE(player.lastError(), code);
        QCOMPARE(player.lastErrorText(), message);
        QVERIFY(!player.isOpen());
        QVERIFY_THROWS_EXCEPTION(TerravaError, player.length());
    }

    void samplesAreConverted() {
        auto read16 = [](WaveStream& s) {
            const QByteArray bytes = s.readAll();
            QList<qint16> out;
            for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
                out.append(qFromLittleEndian<qint16>(bytes.constData() + i));
            return out;
        };
        write("u8.wav", waveFile({1, 2, 8000, 8}, {-1.0, 0.0, 1.0}));
        auto u8 = WaveStream::openFile("u8.wav");
        QCOMPARE(u8->naturalSampleType(), WaveStream::SampleType::Int16);
        u8->setSampleType(WaveStream::SampleType::Int16);
        QCOMPARE(read16(*u8), QList<qint16>({-32512, -32512, 0, 0, 32512, 32512}));
        u8->setSampleType(WaveStream::SampleType::UInt8); // rewinds
        QCOMPARE(u8->readAll(), QByteArray::fromHex("01018080ffff"));

        // Beyond full scale is clipped, not wrapped round into noise.
        write("float.wav", waveFile({3, 1, 48000, 32}, {0.5, -1.0, 2.0, -3.0}));
        auto fl = WaveStream::openFile("float.wav");
        QCOMPARE(fl->naturalSampleType(), WaveStream::SampleType::Float);
        fl->setSampleType(WaveStream::SampleType::Int16);
        const QList<qint16> clipped = read16(*fl);
        QCOMPARE(clipped.size(), 4);
        QVERIFY(qAbs(clipped[0] - 16384) <= 1);
        QVERIFY(clipped[1] <= -32767 && clipped[3] <= -32767);
        QCOMPARE(clipped[2], qint16(32767));
        QVERIFY(fl->atEnd());

        // Data cut short of what the header says: the length is what is really there.
        write("short-data.wav", waveFile({}, QList<double>(100, 0.25)).chopped(50));
        auto cut = WaveStream::openFile("short-data.wav");
        QCOMPARE(cut->readAll().size(), 150);
        QCOMPARE(cut->frameCount(), 75);
        QCOMPARE(cut->size(), 150);
        QVERIFY(cut->atEnd());
    }

    // Only the header is read on open: an hour of stereo costs no memory and no waiting.
    void hourLongFileIsNotDecodedOnOpen() {
        const QString name = writeHourLong();
        const qint64 before = residentBytes();
        auto stream = WaveStream::openFile(name);
        QCOMPARE(stream->lengthMs(), 3'600'000);
        QCOMPARE(stream->size(), stream->frameCount() * 4);
        QByteArray first(4096, 'x');
        QCOMPARE(stream->read(first.data(), first.size()), 4096);
        QCOMPARE(first, QByteArray(4096, '\0'));
        QVERIFY(residentBytes() - before < 32 * 1024 * 1024);
    }

    void withoutServerOpenFails() {
        if (haveOutput)
            QSKIP("an audio output is present");
        WavePlayer player;
        player.setFileName(write("tone.wav", tone({}, 200)));
        const QString message = openFailure(player);
        QVERIFY2(message.contains("no audio output device"), qPrintable(message));
        QVERIFY2(message.contains(dir.filePath("tone.wav")), qPrintable(message));
        QCOMPARE(player.lastError(), int(WaveError::NoOutputDevice));
        QVERIFY(!player.isOpen());
    }

    // Longer than the player's buffers, so it plays only if they are refilled as it goes.
    void cuePlaysOnTheOutput() {
        REQUIRE_OUTPUT();
        WavePlayer player;
        player.setFileName(write("long.wav", tone({1, 2, 44100, 16}, 4500)));
        player.open();
        QCOMPARE(player.lastError(), 0);
        QCOMPARE(player.length(), 4500);
        QCOMPARE(player.position(), 0);
        QCOMPARE(sinkInputs().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("IDLE"), 10000);
        QElapsedTimer clock;
        clock.start();
        player.play();
        QVERIFY2(clock.elapsed() < 4500, "play waited for the cue");
        QCOMPARE(player.lastError(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0 && player.position() < 4500, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("RUNNING"), 10000);
        const QStringList streams = sinkInputs();
        QCOMPARE(streams.size(), 1);
        const int loudest = loudestHeard(300);
        QVERIFY2(loudest > 8000, qPrintable(QString::number(loudest))); // the tone, at half
        // Still playing past the three seconds its buffers took at the start.
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 3200 && player.position() < 4500, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), player.length(), 15000);
        // A moment after the cue the output pauses, and the same stream waits for the next.
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("IDLE"), 10000);
        QCOMPARE(sinkInputs(), streams);
        player.close();
        QVERIFY_THROWS_EXCEPTION(TerravaError, player.length());
    }

    void formatsPlayToTheirEnd_data() {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::newRow("8-bit mono 11025 Hz") << 1 << 1 << 11025 << 8;
        QTest::newRow("16-bit stereo 48 kHz") << 1 << 2 << 48000 << 16;
        QTest::newRow("24-bit mono 44.1 kHz") << 1 << 1 << 44100 << 24;
        QTest::newRow("32-bit stereo 22050 Hz") << 1 << 2 << 22050 << 32;
        QTest::newRow("float stereo 48 kHz") << 3 << 2 << 48000 << 32;
        QTest::newRow("float 6 channels") << 3 << 6 << 48000 << 32;
    }
    void formatsPlayToTheirEnd() {
        REQUIRE_OUTPUT();
        QFETCH(int, tag);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        WavePlayer player;
        player.setFileName(
            write("format.wav",
                  tone({quint16(tag), quint16(channels), quint32(rate), quint16(bits)}, 400)));
        player.open();
        QCOMPARE(player.length(), 400);
        player.play();
        QCOMPARE(player.lastError(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 400, 10000);
    }

    void newOpenCutsTheOldCue() {
        REQUIRE_OUTPUT();
        WavePlayer player;
        player.setFileName(write("long.wav", tone({}, 20000)));
        player.open();
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("RUNNING"), 10000);
        QVERIFY(loudestHeard(200) > 8000);
        const QStringList streams = sinkInputs();
        player.setFileName(write("short.wav", tone({}, 300)));
        player.open();
        QCOMPARE(player.length(), 300);
        QCOMPARE(player.position(), 0);
        QTest::qWait(250); // what the server had taken of the long cue before it was cut off
        QCOMPARE(loudestHeard(400), 0); // the long cue is gone, the short one not yet played
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("IDLE"), 10000);

        // Play again starts over.
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 300, 10000);
        player.play();
        QVERIFY(player.position() < 300);
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 300, 10000);

        // Cues in quick succession, as ticks and answers come: each cuts the one before, and
        // all play on the one stream of the output.
        for (int i = 0; i < 30; ++i) {
            player.setFileName(i % 2 ? "short.wav" : "long.wav");
            player.open();
            player.play();
            QTest::qWait(i % 3 * 10);
        }
        QCOMPARE(player.lastError(), 0);
        QCOMPARE(sinkInputs(), streams);
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 300, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("IDLE"), 10000);
    }

    void failedOpenLeavesNoDevice() {
        REQUIRE_OUTPUT();
        WavePlayer player;
        player.setFileName(write("tone.wav", tone({}, 200)));
        player.open();
        player.setFileName("Cough2.wav");
        QVERIFY(openFailure(player).contains("not found"));
        QVERIFY(!player.isOpen());
        QCOMPARE(player.lastError(), int(WaveError::FileNotFound));
        QVERIFY_THROWS_EXCEPTION(TerravaError, player.length());

        // A channel layout the output has no format for is refused, naming it.
        player.setFileName(write("three.wav", tone({1, 3, 8000, 16}, 100)));
        const QString message = openFailure(player);
        QVERIFY2(message.contains("it has 3 channels"), qPrintable(message));
        QCOMPARE(player.lastError(), int(WaveError::UnsupportedFormat));
        QVERIFY(!player.isOpen());
    }

    void emptyAndHourLongFilesPlay() {
        REQUIRE_OUTPUT();
        WavePlayer player;
        player.setFileName(write("silence.wav", waveHeader({}, 0)));
        player.open();
        QCOMPARE(player.length(), 0);
        player.play();
        QCOMPARE(player.position(), 0);

        player.setFileName(writeHourLong());
        const qint64 before = residentBytes();
        player.open();
        QCOMPARE(player.length(), 3'600'000);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 200, 10000);
        QVERIFY(residentBytes() - before < 32 * 1024 * 1024);
        player.close();
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState(), QStringLiteral("IDLE"), 10000);
    }

    // Last, as it ends the server: a cue whose output goes away counts as played out, the next
    // cue fails without harm, and once the server is back the output opens anew and cues play.
    void lostServerEndsTheCue() {
        REQUIRE_OUTPUT();
        WavePlayer player;
        player.setFileName(write("long.wav", tone({}, 20000)));
        player.open();
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 0, 10000);
        QProcess::execute("pactl", {"exit"});
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 20000, 10000);
        try {
            player.open();
            player.play();
            QCOMPARE(player.lastError(), int(WaveError::PlaybackFailed));
            QCOMPARE(player.position(), player.length());
        } catch (const TerravaError&) {
            QCOMPARE(player.lastError(), int(WaveError::NoOutputDevice));
            QVERIFY(!player.isOpen());
        }
        if (qgetenv("TERRAVA_SOUND") != "server")
            QSKIP("only the private sound server is started again");
        // As with-pulseaudio.sh starts it, on the same address; it ends by itself once idle,
        // should this test not live to stop it.
        QProcess server;
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=10", "-n",
                                    "--use-pid-file=no", "--disable-shm=yes",
                                    "--load=module-native-protocol-unix auth-anonymous=1 socket=" +
                                        qEnvironmentVariable("PULSE_SERVER").section(':', 1),
                                    "--load=module-null-sink sink_name=terrava_null"});
        QTRY_COMPARE_WITH_TIMEOUT(nullSinkState().isEmpty(), false, 10000);
        player.open();
        player.play();
        QCOMPARE(player.lastError(), 0);
        QVERIFY(loudestHeard(300) > 8000);
        server.terminate();
        QVERIFY(server.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestWavePlayer)
#include "test_waveplayer.moc"
