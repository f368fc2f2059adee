// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

struct sf_private_tag;

// Error codes of the wave player; 0 is success.
enum class WaveError : int {
    None = 0,
    NoOutputDevice = 1,
    FileNotFound = 2,
    CannotReadFile = 3,
    NotWaveFile = 4,
    UnsupportedFormat = 5,
    PlaybackFailed = 6,
    NotOpen = 7,
};

// Why a wave file could not be opened: the code to keep and the text to show.
struct WaveFailure {
    WaveError code;
    QString message;
};

// A wave file read on demand, converted to the sample type the output device takes. Only the
// header is read when the file is opened, so an hour-long file costs no more memory than a
// short one. The device is random access: its byte positions are those of the converted data.
class WaveStream : public QIODevice {
    Q_OBJECT

public:
    enum class SampleType { UInt8, Int16, Int32, Float };

    // Opens and checks the file for reading; throws WaveFailure when it is missing, unreadable,
    // not a wave file or in an encoding that cannot be decoded. A bare name is resolved
    // against the current directory.
    static std::unique_ptr<WaveStream> openFile(const QString& fileName);
    ~WaveStream() override;

    QString path() const { return filePath; }
    int sampleRate() const { return rate; }
    int channelCount() const { return channels; }
    qint64 frameCount() const { return frames; }
    qint64 lengthMs() const { return frames * 1000 / rate; }

    // The sample type that keeps the file's resolution: Int16 for 8- and 16-bit and compressed
    // encodings, Float for wider ones.
    SampleType naturalSampleType() const { return natural; }
    SampleType sampleType() const { return output; }
    // Chooses what read() delivers; rewinds to the start.
    void setSampleType(SampleType type);
    int bytesPerFrame() const;

    bool isSequential() const override { return false; }
    qint64 size() const override { return frames * bytesPerFrame(); }
    bool seek(qint64 pos) override;
    bool atEnd() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    WaveStream(sf_private_tag* file, const QString& path, qint64 frames, int rate, int channels,
               int encoding);
    // Integer reads of float data: the decoder would not scale them, so they are scaled here.
    qint64 readShorts(short* out, qint64 frameCount);
    qint64 readInts(int* out, qint64 frameCount);

    sf_private_tag* file;
    QString filePath;
    qint64 frames;
    int rate;
    int channels;
    bool floatData; // the file holds float samples
    SampleType natural;
    SampleType output;
    qint64 cursor = 0; // frames read so far
    std::vector<char> scratch;
    std::vector<float> floats;
};
