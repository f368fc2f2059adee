// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundDevice.h"

#include <QString>

// The cue files, bare names found in the working folder.
namespace Cues {
inline const QString Whistle = QStringLiteral("Whistle.wav");   // right answer; the probe
inline const QString Cough = QStringLiteral("Cough2.wav");      // wrong answer
inline const QString Moan = QStringLiteral("Moan.wav");         // time up
inline const QString Applause = QStringLiteral("Applaude.wav"); // every town found
inline const QString Tick = QStringLiteral("Movehit1.wav");     // timer step
} // namespace Cues

// The sound cues on the one media player. Sound plays only when the player has it switched
// on and the probe at window creation could open a wave file. Every cue reopens its file,
// cutting off whatever plays.
class TSoundCues {
public:
    explicit TSoundCues(SoundDevice& mediaPlayer) : player(mediaPlayer) {}

    // Opens "Whistle.wav" without playing it. When that fails the open's error is raised and
    // sound stays off for the whole run.
    void Probe();
    bool SoundAvailable() const { return available; }

    // Opens and plays the cue when sound is on and available. The open's error is raised and
    // leaves no device open; a failure to play is silent.
    void PlaySound(const QString& fileName, bool soundOn);

    // The same for a cue of a timer event. Timer events keep coming, also while an error box
    // is open, so a failure here is raised once and ends sound for the rest of the run.
    void PlayTimerSound(const QString& fileName, bool soundOn);

    // The tick of a timer step that left time on the bar: when sound is available, the tick
    // cue starts once the file last opened has played to its end, so a tick never cuts off
    // another cue. It queries the player whether sound is on or not, and plays only when it
    // is. Failures as for PlayTimerSound.
    void Tick(bool soundOn);

    // Whether a failure on a timer event has ended sound for the run.
    bool SoundEnded() const { return ended; }

private:
    bool canPlay() const { return available && !ended; }

    SoundDevice& player;
    bool available = false;
    bool ended = false;
};
