// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundDevice.h"
#include "WaveStream.h"

#include <memory>

// Plays wave files on the program's one audio output (SoundOutput) without waiting, on the
// user-interface thread. Each open file has its own source on that output and a few buffers
// that take the decoded samples a second at a time, refilled while it plays: a cue of a second
// or less is one buffer, and an hour-long file opens as fast as a short one and never sits in
// memory as a whole.
//
// Accepted: RIFF wave files (also the extensible and 64-bit variants) in the encodings the
// decoder knows: 8-, 16-, 24- and 32-bit integer, 32- and 64-bit float, A-law, mu-law and the
// usual ADPCM kinds, in mono, stereo, 4, 6, 7 or 8 channels and at any sample rate. Samples go
// to the output as 16-bit integers, or as floats for the wider encodings. Anything else is
// refused when it is opened, with a text that names the file and what is wrong with it.
//
// Times are in milliseconds. Position stays 0 until Play, then rises to Length, and is Length
// once the cue has played out, or once the output has stopped or refused to play it, so that
// "position has reached length" always means "nothing is playing any more".
class WavePlayer final : public SoundDevice {
public:
    WavePlayer();
    ~WavePlayer() override;
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    void setFileName(const QString& name) override { soundFileName = name; }
    QString fileName() const override { return soundFileName; }

    void open() override;
    void close() override;
    void play() override;
    // 0 while no device is open; only Length raises then.
    qint64 position() override;
    qint64 length() override;
    int lastError() const override { return static_cast<int>(error); }

    // The description of the last error; empty after success.
    QString lastErrorText() const { return errorText; }
    bool isOpen() const { return device != nullptr; }

    // Whether the system offers an audio output at all; opens the program's output.
    static bool outputAvailable();

private:
    struct Device;

    void setError(WaveError code, const QString& text = {});

    QString soundFileName;
    std::unique_ptr<Device> device;
    WaveError error = WaveError::None;
    QString errorText;
};
