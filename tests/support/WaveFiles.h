// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <cmath>

// Little-endian fields for the picture and sound files that tests write themselves.
template <typename T> void append(QByteArray& bytes, T value) {
    value = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

struct WaveFormat {
    quint16 tag = 1; // 1 integer PCM, 3 float
    quint16 channels = 1;
    quint32 rate = 8000;
    quint16 bits = 16;
    int blockAlign() const { return channels * bits / 8; }
};

inline QByteArray waveHeader(const WaveFormat& f, quint32 dataBytes) {
    QByteArray h("RIFF");
    append<quint32>(h, 36 + dataBytes);
    h += "WAVEfmt ";
    append<quint32>(h, 16);
    append<quint16>(h, f.tag);
    append<quint16>(h, f.channels);
    append<quint32>(h, f.rate);
    append<quint32>(h, f.rate * f.blockAlign());
    append<quint16>(h, f.blockAlign());
    append<quint16>(h, f.bits);
    h += "data";
    append<quint32>(h, dataBytes);
    return h;
}

// Samples in [-1, 1] written in the file's own encoding, the same value on every channel.
inline QByteArray waveFile(const WaveFormat& f, const QList<double>& samples) {
    QByteArray data;
    for (double s : samples)
        for (int c = 0; c < f.channels; ++c) {
            if (f.tag == 3)
                append<float>(data, float(s));
            else if (f.bits == 8)
                data.append(char(quint8(qBound(0.0, std::round(s * 127 + 128), 255.0))));
            else if (f.bits == 16)
                append<qint16>(data, qint16(std::round(qBound(-1.0, s, 1.0) * 32767)));
            else if (f.bits == 24) {
                const qint32 v = qint32(std::round(qBound(-1.0, s, 1.0) * 8388607));
                for (int shift : {0, 8, 16})
                    data.append(char((v >> shift) & 0xff));
            } else
                append<qint32>(data, qint32(qBound(-1.0, s, 1.0) * 2147483647.0));
        }
    return waveHeader(f, quint32(data.size())) + data;
}

// A 440 Hz tone of ms milliseconds at half strength.
inline QByteArray tone(const WaveFormat& f, int ms) {
    QList<double> samples;
    for (qint64 i = 0; i < qint64(f.rate) * ms / 1000; ++i)
        samples.append(0.5 * std::sin(double(i) * 2 * M_PI * 440 / f.rate));
    return waveFile(f, samples);
}
