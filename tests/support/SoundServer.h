// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QtEndian>

// What the private sound server of with-pulseaudio.sh shows of the game's sound: its streams,
// the state of its null sink "terrava_null", and what reaches that sink.
namespace SoundServer {

inline QString pactl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The streams on the server, by number: the player keeps one for the whole run.
inline QStringList sinkInputs() {
    QStringList numbers;
    for (const QString& line : pactl({"list", "short", "sink-inputs"}).split('\n'))
        if (!line.isEmpty())
            numbers << line.section('\t', 0, 0);
    return numbers;
}

inline QString nullSinkState() {
    for (const QString& line : pactl({"list", "short", "sinks"}).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() >= 5 && fields[1] == QLatin1String("terrava_null"))
            return fields[4].trimmed();
    }
    return {};
}

// The loudest sample that reaches the null sink in the next ms milliseconds or so, heard
// through its monitor: 0 is silence, -1 that nothing could be recorded.
inline int loudestHeard(int ms) {
    QProcess recorder;
    recorder.start(QStringLiteral("parec"),
                   {"--device=terrava_null.monitor", "--raw", "--format=s16le", "--channels=1",
                    "--rate=8000", "--latency-msec=20"});
    // The recorder takes a while to start on a busy machine: the time counts from its first
    // samples.
    if (!recorder.waitForStarted(5000) ||
        !QTest::qWaitFor([&] { return recorder.bytesAvailable() > 0; }, 5000))
        return -1;
    QTest::qWait(ms);
    recorder.terminate();
    recorder.waitForFinished(5000);
    const QByteArray pcm = recorder.readAllStandardOutput();
    if (pcm.size() < 200) // 12 ms
        return -1;
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        loudest = qMax(loudest, qAbs(int(qFromLittleEndian<qint16>(pcm.constData() + i))));
    return loudest;
}

} // namespace SoundServer
