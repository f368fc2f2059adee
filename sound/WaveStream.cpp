// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveStream.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <sndfile.h>

namespace {

// Never decode more than this at once, whatever a caller asks for.
constexpr qint64 MaxChunkBytes = 256 * 1024;

bool isWaveContainer(int format) {
    const int major = format & SF_FORMAT_TYPEMASK;
    return major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX || major == SF_FORMAT_RF64;
}

bool isFloatEncoding(int format) {
    const int encoding = format & SF_FORMAT_SUBMASK;
    return encoding == SF_FORMAT_FLOAT || encoding == SF_FORMAT_DOUBLE;
}

WaveStream::SampleType naturalTypeOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return WaveStream::SampleType::Float;
    default:
        return WaveStream::SampleType::Int16;
    }
}

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// libsndfile's own words, without the full stop it usually ends with.
QString openErrorText() {
    QString text = QString::fromUtf8(sf_strerror(nullptr)).trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

WaveFailure openFailure(const QString& path) {
    const QString why = openErrorText();
    switch (sf_error(nullptr)) {
    case SF_ERR_SYSTEM:
        return {WaveError::CannotReadFile,
                QCoreApplication::translate("WaveStream", "Cannot read sound file %1: %2")
                    .arg(quoted(path), why)};
    case SF_ERR_UNSUPPORTED_ENCODING:
        return {WaveError::UnsupportedFormat,
                QCoreApplication::translate(
                    "WaveStream", "Sound file %1 uses a wave encoding that cannot be played (%2)")
                    .arg(quoted(path), why)};
    default:
        return {WaveError::NotWaveFile,
                QCoreApplication::translate("WaveStream",
                                            "Sound file %1 is not a wave file, or is damaged (%2)")
                    .arg(quoted(path), why)};
    }
}

} // namespace

std::unique_ptr<WaveStream> WaveStream::openFile(const QString& fileName) {
    const QFileInfo info(fileName);
    const QString path = info.absoluteFilePath();
    if (!info.exists())
        throw WaveFailure{
            WaveError::FileNotFound,
            QCoreApplication::translate("WaveStream", "Sound file %1 not found").arg(quoted(path))};
    // A pipe or device would block the open or never end.
    if (!info.isFile())
        throw WaveFailure{
            WaveError::CannotReadFile,
            QCoreApplication::translate("WaveStream", "Sound file %1 is not a regular file")
                .arg(quoted(path))};
    if (info.size() == 0)
        throw WaveFailure{WaveError::NotWaveFile,
                          QCoreApplication::translate(
                              "WaveStream", "Sound file %1 is not a wave file (it is empty)")
                              .arg(quoted(path))};

    SF_INFO sfInfo{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo);
    if (!file)
        throw openFailure(path);
    if (!isWaveContainer(sfInfo.format)) {
        sf_close(file);
        throw WaveFailure{WaveError::NotWaveFile,
                          QCoreApplication::translate(
                              "WaveStream", "Sound file %1 is not a wave file (it holds another "
                                            "kind of sound data)")
                              .arg(quoted(path))};
    }
    if (sfInfo.channels <= 0 || sfInfo.samplerate <= 0 || sfInfo.frames < 0) {
        sf_close(file);
        throw WaveFailure{WaveError::NotWaveFile,
                          QCoreApplication::translate(
                              "WaveStream", "Sound file %1 is not a wave file (its header is "
                                            "damaged)")
                              .arg(quoted(path))};
    }
    std::unique_ptr<WaveStream> stream(new WaveStream(file, path, sfInfo.frames, sfInfo.samplerate,
                                                      sfInfo.channels, sfInfo.format));
    stream->QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return stream;
}

WaveStream::WaveStream(sf_private_tag* file, const QString& path, qint64 frames, int rate,
                       int channels, int encoding)
    : file(file), filePath(path), frames(frames), rate(rate), channels(channels),
      floatData(isFloatEncoding(encoding)), natural(naturalTypeOf(encoding)), output(natural) {}

WaveStream::~WaveStream() {
    QIODevice::close();
    sf_close(file);
}

int WaveStream::bytesPerFrame() const {
    switch (output) {
    case SampleType::UInt8:
        return channels;
    case SampleType::Int16:
        return channels * 2;
    case SampleType::Int32:
    case SampleType::Float:
        return channels * 4;
    }
    return channels * 2;
}

void WaveStream::setSampleType(SampleType type) {
    output = type;
    seek(0);
}

bool WaveStream::seek(qint64 pos) {
    const int frameBytes = bytesPerFrame();
    if (pos < 0 || pos > size() || pos % frameBytes != 0)
        return false;
    if (sf_seek(file, pos / frameBytes, SEEK_SET) < 0)
        return false;
    cursor = pos / frameBytes;
    return QIODevice::seek(pos);
}

bool WaveStream::atEnd() const {
    return !isOpen() || cursor >= frames;
}

qint64 WaveStream::readShorts(short* out, qint64 frameCount) {
    if (!floatData)
        return sf_readf_short(file, out, frameCount);
    floats.resize(frameCount * channels);
    const qint64 got = sf_readf_float(file, floats.data(), frameCount);
    // Beyond full scale is clipped, not wrapped round into noise.
    for (qint64 i = 0; i < got * channels; ++i)
        out[i] = static_cast<short>(std::lrint(std::clamp(floats[i], -1.0f, 1.0f) * 32767.0f));
    return got;
}

qint64 WaveStream::readInts(int* out, qint64 frameCount) {
    if (!floatData)
        return sf_readf_int(file, out, frameCount);
    floats.resize(frameCount * channels);
    const qint64 got = sf_readf_float(file, floats.data(), frameCount);
    for (qint64 i = 0; i < got * channels; ++i)
        out[i] =
            static_cast<int>(std::llrint(std::clamp(double(floats[i]), -1.0, 1.0) * 2147483647.0));
    return got;
}

qint64 WaveStream::readData(char* data, qint64 maxSize) {
    const int frameBytes = bytesPerFrame();
    const qint64 wanted = std::min(
        {maxSize / frameBytes, frames - cursor, std::max<qint64>(1, MaxChunkBytes / frameBytes)});
    if (wanted <= 0)
        return 0;

    qint64 got = 0;
    switch (output) {
    case SampleType::Int16:
        scratch.resize(wanted * frameBytes);
        got = readShorts(reinterpret_cast<short*>(scratch.data()), wanted);
        break;
    case SampleType::Int32:
        scratch.resize(wanted * frameBytes);
        got = readInts(reinterpret_cast<int*>(scratch.data()), wanted);
        break;
    case SampleType::Float:
        scratch.resize(wanted * frameBytes);
        got = sf_readf_float(file, reinterpret_cast<float*>(scratch.data()), wanted);
        break;
    case SampleType::UInt8:
        // Read as 16 bits and keep the high byte, offset to unsigned as 8-bit wave data is.
        scratch.resize(wanted * channels * 2);
        got = readShorts(reinterpret_cast<short*>(scratch.data()), wanted);
        break;
    }
    if (got < wanted) {
        // The file ends before its header said it would: what was read is all there is.
        frames = cursor + std::max<qint64>(got, 0);
    }
    if (got <= 0)
        return 0;

    const qint64 bytes = got * frameBytes;
    if (output == SampleType::UInt8) {
        const auto* samples = reinterpret_cast<const short*>(scratch.data());
        for (qint64 i = 0; i < bytes; ++i)
            data[i] = static_cast<char>(static_cast<unsigned char>((samples[i] >> 8) + 128));
    } else {
        std::memcpy(data, scratch.data(), bytes);
    }
    cursor += got;
    return bytes;
}

qint64 WaveStream::writeData(const char*, qint64) {
    return -1;
}
