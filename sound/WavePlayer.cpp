// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WavePlayer.h"

#include "Error.h"
#include "SoundOutput.h"

#include <AL/al.h>
#include <AL/alext.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <deque>
#include <vector>

namespace {

// Each buffer takes a second of sound; three of them keep the output fed through a busy
// second or two of the user-interface thread.
constexpr int BufferCount = 3;
constexpr int BufferSeconds = 1;
constexpr int RefillIntervalMs = 200;
// However high a file's sample rate claims to be.
constexpr qint64 MaxBufferBytes = 4 * 1024 * 1024;

// A cue whose output stalls still counts as played out this long after it should have ended,
// so that the tick rule is never held up for good.
constexpr qint64 StallGraceMs = 5000;

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// The buffer format for the file's channels in the given sample type; 0 when there is none.
ALenum bufferFormat(int channels, bool floatSamples) {
    static const ALenum formats[][2] = {{AL_FORMAT_MONO16, AL_FORMAT_MONO_FLOAT32},
                                        {AL_FORMAT_STEREO16, AL_FORMAT_STEREO_FLOAT32},
                                        {0, 0},
                                        {AL_FORMAT_QUAD16, AL_FORMAT_QUAD32},
                                        {0, 0},
                                        {AL_FORMAT_51CHN16, AL_FORMAT_51CHN32},
                                        {AL_FORMAT_61CHN16, AL_FORMAT_61CHN32},
                                        {AL_FORMAT_71CHN16, AL_FORMAT_71CHN32}};
    if (channels < 1 || channels > 8)
        return 0;
    return formats[channels - 1][floatSamples ? 1 : 0];
}

// Chooses the sample type that keeps the file's resolution when the output takes it, else
// 16-bit integers; throws when the output takes the file's channels in neither.
ALenum chooseFormat(WaveStream& stream) {
    using Type = WaveStream::SampleType;
    if (stream.naturalSampleType() == Type::Float) {
        if (const ALenum format = bufferFormat(stream.channelCount(), true)) {
            stream.setSampleType(Type::Float);
            return format;
        }
    }
    if (const ALenum format = bufferFormat(stream.channelCount(), false)) {
        stream.setSampleType(Type::Int16);
        return format;
    }
    throw WaveFailure{
        WaveError::UnsupportedFormat,
        QCoreApplication::translate("WavePlayer",
                                    "Sound file %1 cannot be played on the audio output: it has "
                                    "%2 channels, and the output takes 1, 2, 4, 6, 7 or 8")
            .arg(quoted(stream.path()))
            .arg(stream.channelCount())};
}

} // namespace

// One open wave file, and the source and buffers it plays from on the output, made when it is
// first played. While it plays, a timer takes back the buffers played and fills them with what
// comes next.
struct WavePlayer::Device {
    std::unique_ptr<WaveStream> stream;
    const ALenum format;
    SoundOutput& output = SoundOutput::instance();
    const int opening = output.opening();
    bool made = false; // the source and buffers
    ALuint source = 0;
    std::array<ALuint, BufferCount> buffers{};
    std::vector<ALuint> spare;       // buffers not queued on the source
    std::deque<qint64> queuedFrames; // the frames of each queued buffer, oldest first
    qint64 framesDone = 0;           // frames of the buffers played and taken back
    std::vector<char> samples;
    bool playing = false; // started and not yet played out; holds the output
    bool playedOut = false;
    qint64 lastPosition = 0;
    QElapsedTimer sincePlay;
    QTimer refill;

    Device(std::unique_ptr<WaveStream> wave, ALenum bufferFormat)
        : stream(std::move(wave)), format(bufferFormat) {
        refill.setInterval(RefillIntervalMs);
        refill.callOnTimeout([this] { service(); });
    }

    ~Device() {
        stop();
        if (made && output.opening() == opening) {
            alDeleteSources(1, &source);
            alDeleteBuffers(BufferCount, buffers.data());
        }
    }

    // Makes the source and its buffers; whether the output had room for them.
    bool make() {
        if (made)
            return true;
        if (!output.playable())
            return false;
        alGetError();
        alGenSources(1, &source);
        if (alGetError() != AL_NO_ERROR)
            return false;
        alGenBuffers(BufferCount, buffers.data());
        if (alGetError() != AL_NO_ERROR) {
            alDeleteSources(1, &source);
            return false;
        }
        made = true;
        spare.assign(buffers.begin(), buffers.end());
        // The file's own channels, as they are, from no place in particular.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        if (alIsExtensionPresent("AL_SOFT_direct_channels"))
            alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
        return true;
    }

    // Whether the source still lives on the output as it is now.
    bool current() const { return output.opening() == opening && !output.lost(); }

    // Silences the source and takes all its buffers back.
    void stop() {
        refill.stop();
        if (playing && output.opening() == opening)
            output.release();
        playing = false;
        if (made && output.opening() == opening) {
            alSourceStop(source);
            alSourcei(source, AL_BUFFER, 0);
        }
        spare.assign(buffers.begin(), buffers.end());
        queuedFrames.clear();
    }

    void finish() {
        stop();
        playedOut = true;
    }

    // Fills every spare buffer with what comes next in the file and queues it.
    void fill() {
        const qint64 frameBytes = stream->bytesPerFrame();
        samples.resize(std::min<qint64>(qint64(stream->sampleRate()) * BufferSeconds,
                                        MaxBufferBytes / frameBytes) *
                       frameBytes);
        while (!spare.empty() && !stream->atEnd()) {
            qint64 got = 0;
            while (got < qint64(samples.size())) {
                const qint64 n = stream->read(samples.data() + got, samples.size() - got);
                if (n <= 0)
                    break;
                got += n;
            }
            got -= got % frameBytes;
            if (got == 0)
                break;
            const ALuint buffer = spare.back();
            alBufferData(buffer, format, samples.data(), ALsizei(got), stream->sampleRate());
            alSourceQueueBuffers(source, 1, &buffer);
            spare.pop_back();
            queuedFrames.push_back(got / frameBytes);
        }
    }

    // Takes back the buffers the source has played.
    void reclaim() {
        ALint processed = 0;
        alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
        for (; processed > 0 && !queuedFrames.empty(); --processed) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(source, 1, &buffer);
            spare.push_back(buffer);
            framesDone += queuedFrames.front();
            queuedFrames.pop_front();
        }
    }

    bool start() {
        stop();
        stream->seek(0);
        framesDone = 0;
        lastPosition = 0;
        playedOut = false;
        sincePlay.start();
        if (stream->frameCount() == 0) {
            playedOut = true; // nothing to hear
            return true;
        }
        if (!current() || !make()) {
            playedOut = true;
            return false;
        }
        alGetError();
        fill();
        output.hold();
        playing = true;
        alSourcePlay(source);
        if (alGetError() != AL_NO_ERROR) {
            finish();
            return false;
        }
        refill.start();
        return true;
    }

    // Keeps the source fed, starts it again should it have run dry before the end of the
    // file, and notices its end: played out, the output lost, or stalled for too long.
    void service() {
        if (!playing)
            return;
        if (!current() || sincePlay.elapsed() > stream->lengthMs() + StallGraceMs) {
            finish();
            return;
        }
        reclaim();
        fill();
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state != AL_STOPPED)
            return;
        if (queuedFrames.empty())
            finish();
        else
            alSourcePlay(source);
    }

    qint64 position() {
        const qint64 length = stream->lengthMs();
        service();
        if (playedOut)
            return length;
        if (!playing)
            return 0; // opened, not played
        ALint offset = 0;
        alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
        const qint64 ms = (framesDone + offset) * 1000 / stream->sampleRate();
        lastPosition = std::max(lastPosition, std::min(ms, length));
        if (lastPosition >= length)
            finish();
        return lastPosition;
    }
};

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

bool WavePlayer::outputAvailable() {
    return SoundOutput::instance().ready();
}

void WavePlayer::setError(WaveError code, const QString& text) {
    error = code;
    errorText = text;
}

void WavePlayer::open() {
    close();
    try {
        if (soundFileName.isEmpty())
            throw WaveFailure{
                WaveError::FileNotFound,
                QCoreApplication::translate("WavePlayer", "No sound file name given")};
        auto stream = WaveStream::openFile(soundFileName);
        if (!SoundOutput::instance().ready())
            throw WaveFailure{WaveError::NoOutputDevice,
                              QCoreApplication::translate(
                                  "WavePlayer", "Cannot play sound file %1: no audio output device "
                                                "is available")
                                  .arg(quoted(stream->path()))};
        const ALenum format = chooseFormat(*stream);
        device = std::make_unique<Device>(std::move(stream), format);
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
        setError(WaveError::NotOpen,
                 QCoreApplication::translate("WavePlayer", "No MCI device open"));
        return;
    }
    if (!device->start()) {
        setError(WaveError::PlaybackFailed,
                 QCoreApplication::translate(
                     "WavePlayer", "Cannot play sound file %1: the audio output refused to play it")
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
        throw TerravaError(QCoreApplication::translate("WavePlayer", "No MCI device open"));
    setError(WaveError::None);
    return device->stream->lengthMs();
}
