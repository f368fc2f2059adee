// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundOutput.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

namespace {

// How long the output keeps running after the last cue has ended: longer than the gap
// between two ticks at the usual timer steps.
constexpr int IdleBeforePauseMs = 1500;

} // namespace

SoundOutput& SoundOutput::instance() {
    // Closed at the program's end, after the windows and their players are gone.
    static SoundOutput output;
    return output;
}

SoundOutput::SoundOutput() {
    idle.setSingleShot(true);
    idle.setInterval(IdleBeforePauseMs);
    idle.callOnTimeout([this] {
        if (playing == 0)
            pause();
    });
}

SoundOutput::~SoundOutput() {
    shut();
}

bool SoundOutput::ready() {
    if (device && !lost())
        return true;
    shut();
    device = alcOpenDevice(nullptr);
    if (!device)
        return false;
    ++openings;
    if (alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) {
        pauseDevice =
            reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
        resumeDevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(
            alcGetProcAddress(device, "alcDeviceResumeSOFT"));
    }
    // Nothing plays yet. A freshly opened device may already run a stream on the sound server;
    // resetting it while paused sets that stream up stopped.
    pause();
    if (paused && alcIsExtensionPresent(device, "ALC_SOFT_HRTF")) {
        if (auto reset = reinterpret_cast<LPALCRESETDEVICESOFT>(
                alcGetProcAddress(device, "alcResetDeviceSOFT")))
            reset(device, nullptr);
    }
    return true;
}

bool SoundOutput::playable() {
    if (context)
        return true;
    if (!device)
        return false;
    context = alcCreateContext(device, nullptr);
    if (context && alcMakeContextCurrent(context))
        return true;
    if (context)
        alcDestroyContext(context);
    context = nullptr;
    return false;
}

bool SoundOutput::lost() const {
    if (!device)
        return false;
    ALCint connected = ALC_TRUE;
    if (alcIsExtensionPresent(device, "ALC_EXT_disconnect"))
        alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    return connected == ALC_FALSE;
}

void SoundOutput::hold() {
    ++playing;
    idle.stop();
    resume();
}

void SoundOutput::release() {
    if (playing > 0 && --playing == 0)
        idle.start();
}

void SoundOutput::shut() {
    idle.stop();
    playing = 0;
    paused = false;
    pauseDevice = resumeDevice = nullptr;
    if (context) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
        context = nullptr;
    }
    if (device) {
        alcCloseDevice(device);
        device = nullptr;
    }
}

void SoundOutput::pause() {
    if (device && pauseDevice && !paused) {
        pauseDevice(device);
        paused = true;
    }
}

void SoundOutput::resume() {
    if (device && resumeDevice && paused) {
        resumeDevice(device);
        paused = false;
    }
}
