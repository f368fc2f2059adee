// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <AL/alc.h>
#include <QTimer>

// The one audio output of the program: an OpenAL device with its context, kept for the whole
// run, so that every cue plays on the same sound-server stream. Which output that is (a sound
// server, ALSA) is the sound library's own choice, as the desktop and the user's configuration
// have it.
//
// The device is opened on first use, which tells whether there is an output at all; the
// context, which costs the sound library some 8 MB, only when the first cue is to be heard, so
// that a game played without sound never pays for it.
//
// Between cues the output is paused, so that an idle game keeps no stream running on the
// sound server; it pauses a moment after the last cue ends rather than at once, so that ticks
// in quick succession do not start and stop it each time.
class SoundOutput final {
public:
    static SoundOutput& instance();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Opens the output when it is not open, or opens it anew when it has been lost (the sound
    // server went away); whether an output is ready afterwards.
    bool ready();
    // Makes the context for playing on the output when there is none yet; whether there is one.
    bool playable();
    // Whether the output has been lost since it was opened.
    bool lost() const;

    // Counts the openings of the output. Sources and buffers belong to one opening: those of
    // an earlier one are gone, and their numbers may have been given out again.
    int opening() const { return openings; }

    // A cue of this opening starts / stops playing; the output runs while any cue plays.
    void hold();
    void release();

private:
    SoundOutput();
    ~SoundOutput();
    void shut();
    void pause();
    void resume();

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    void (*pauseDevice)(ALCdevice*) = nullptr;
    void (*resumeDevice)(ALCdevice*) = nullptr;
    int openings = 0;
    int playing = 0;
    bool paused = false;
    QTimer idle;
};
