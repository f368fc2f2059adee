// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCues.h"

void TSoundCues::Probe() {
    player.setFileName(Cues::Whistle);
    player.open();
    if (player.lastError() == 0)
        available = true;
}

void TSoundCues::PlaySound(const QString& fileName, bool soundOn) {
    if (!soundOn || !canPlay())
        return;
    player.setFileName(fileName);
    player.open();
    player.play();
}

void TSoundCues::PlayTimerSound(const QString& fileName, bool soundOn) {
    try {
        PlaySound(fileName, soundOn);
    } catch (...) {
        ended = true;
        throw;
    }
}

void TSoundCues::Tick(bool soundOn) {
    if (!canPlay())
        return;
    try {
        const qint64 position = player.position();
        const qint64 length = player.length();
        if (position >= length)
            PlaySound(Cues::Tick, soundOn);
    } catch (...) {
        ended = true;
        throw;
    }
}
