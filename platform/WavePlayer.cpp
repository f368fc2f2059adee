#include "WavePlayer.h"

#include "Error.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <algorithm>

namespace {

// Short enough that a new cue cuts the old one off at once, long enough to ride out a busy
// moment of the user-interface thread.
constexpr qint64 OutputBufferUSecs = 200'000;

// A cue whose output stalls still counts as played out this long after it should have ended,
// so that the tick rule is never held up for good.
constexpr qint64 StallGraceMs = 5000;

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

QAudioFormat::SampleFormat qtSampleFormat(WaveStream::SampleType type) {
    switch (type) {
    case WaveStream::SampleType::UInt8:
        return QAudioFormat::UInt8;
    case WaveStream::SampleType::Int16:
        return QAudioFormat::Int16;
    case WaveStream::SampleType::Int32:
        return QAudioFormat::Int32;
    case WaveStream::SampleType::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Int16;
}

// The file's rate and channels in the first sample type the device takes, trying the one that
// keeps the file's resolution first; throws when the device takes none.
QAudioFormat chooseFormat(WaveStream& stream, const QAudioDevice& output) {
    using Type = WaveStream::SampleType;
    const Type candidates[] = {stream.naturalSampleType(), Type::Int16, Type::Float, Type::Int32,
                               Type::UInt8};
    QAudioFormat format;
    format.setSampleRate(stream.sampleRate());
    format.setChannelCount(stream.channelCount());
    for (Type type : candidates) {
        format.setSampleFormat(qtSampleFormat(type));
        if (output.isFormatSupported(format)) {
            stream.setSampleType(type);
            return format;
        }
    }
    throw WaveFailure{
        WaveError::UnsupportedFormat,
        QStringLiteral("Sound file %1 cannot be played on the audio output: %2 channels at %3 Hz "
                       "are not supported (it takes %4 to %5 channels at %6 to %7 Hz)")
            .arg(quoted(stream.path()))
            .arg(stream.channelCount())
            .arg(stream.sampleRate())
            .arg(output.minimumChannelCount())
            .arg(output.maximumChannelCount())
            .arg(output.minimumSampleRate())
            .arg(output.maximumSampleRate())};
}

// The sink may still be inside its own callbacks; let the event loop delete it. Stopping it
// first silences it and releases the output at once.
void discard(QAudioSink* sink) {
    sink->disconnect();
    sink->stop();
    if (QCoreApplication::instance())
        sink->deleteLater();
    else
        delete sink;
}

} // namespace

// One open wave file on the output device, and its sink while it plays.
struct WavePlayer::Device {
    std::unique_ptr<WaveStream> stream;
    QAudioDevice output;
    QAudioFormat format;
    QAudioSink* sink = nullptr;
    QElapsedTimer sincePlay;
    qint64 drainedAt = -1; // ms after Play when the last sample went to the output
    bool playedOut = false;
    qint64 lastPosition = 0;
    // Receives the sink's signals; the output calls back from its own thread, and calls still
    // queued die with this object rather than reaching a closed device.
    QObject watcher;

    ~Device() { stopSink(); }

    void stopSink() {
        if (sink)
            discard(sink);
        sink = nullptr;
    }

    bool start() {
        stopSink();
        stream->seek(0);
        lastPosition = 0;
        drainedAt = -1;
        playedOut = false;
        sincePlay.start();

        auto* newSink = new QAudioSink(output, format);
        newSink->setBufferSize(format.bytesForDuration(OutputBufferUSecs));
        QObject::connect(newSink, &QAudioSink::stateChanged, &watcher, [this](QAudio::State state) {
            if (state == QAudio::IdleState && stream->atEnd() && drainedAt < 0)
                drainedAt = sincePlay.elapsed();
        });
        newSink->start(stream.get());
        if (newSink->state() == QAudio::StoppedState || newSink->error() != QAudio::NoError) {
            discard(newSink);
            playedOut = true;
            return false;
        }
        sink = newSink;
        return true;
    }

    qint64 position() {
        const qint64 length = stream->lengthMs();
        if (playedOut)
            return length;
        if (!sink)
            return 0; // opened, not played
        const qint64 elapsed = sincePlay.elapsed();
        // The output's own clock, which lags behind what it was given by its latency. Once
        // everything has been handed over, the tail in its buffer plays out within the buffer's
        // length; a stopped output (lost server, error) plays nothing more.
        const bool drained =
            drainedAt >= 0 && elapsed >= std::max(length, drainedAt + 2 * OutputBufferUSecs / 1000);
        if (sink->state() == QAudio::StoppedState || drained || elapsed > length + StallGraceMs) {
            playedOut = true;
            return length;
        }
        lastPosition = std::max(lastPosition, std::min(sink->processedUSecs() / 1000, length));
        if (lastPosition >= length)
            playedOut = true;
        return lastPosition;
    }
};

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

bool WavePlayer::outputAvailable() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

void WavePlayer::setError(WaveError code, const QString& text) {
    error = code;
    errorText = text;
}

void WavePlayer::open() {
    close();
    try {
        if (soundFileName.isEmpty())
            throw WaveFailure{WaveError::FileNotFound, QStringLiteral("No sound file name given")};
        auto opened = std::make_unique<Device>();
        opened->stream = WaveStream::openFile(soundFileName);
        opened->output = QMediaDevices::defaultAudioOutput();
        if (opened->output.isNull())
            throw WaveFailure{WaveError::NoOutputDevice,
                              QStringLiteral("Cannot play sound file %1: no audio output device "
                                             "is available")
                                  .arg(quoted(opened->stream->path()))};
        opened->format = chooseFormat(*opened->stream, opened->output);
        device = std::move(opened);
        setError(WaveError::None);
    } catch (const WaveFailure& failure) {
        setError(failure.code, failure.message);
        throw TerravaError(failure.message);
    }
}

void WavePlayer::close() {
    device.reset();
    setError(WaveError::None);
}

void WavePlayer::play() {
    if (!device) {
        setError(WaveError::NotOpen, QStringLiteral("No MCI device open"));
        return;
    }
    if (!device->start()) {
        setError(WaveError::PlaybackFailed,
                 QStringLiteral("Cannot play sound file %1: the audio output refused to start")
                     .arg(quoted(device->stream->path())));
        return;
    }
    setError(WaveError::None);
}

qint64 WavePlayer::position() {
    if (!device)
        return 0;
    setError(WaveError::None);
    return device->position();
}

qint64 WavePlayer::length() {
    if (!device)
        throw TerravaError(QStringLiteral("No MCI device open"));
    setError(WaveError::None);
    return device->stream->lengthMs();
}
