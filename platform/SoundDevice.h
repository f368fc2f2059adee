// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The media player control as the sound cues use it: one file name, at most one open device
// and the error code of the last operation. WavePlayer is the real one; game-logic tests put
// a fake in its place.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    virtual void setFileName(const QString& name) = 0;
    virtual QString fileName() const = 0;

    // Closes the open device first (cutting off a cue still playing), then opens the named
    // file. On failure raises TerravaError, keeps the error code and leaves no device open.
    virtual void open() = 0;
    virtual void close() = 0;

    // Starts the open file from its start and returns at once; a failure only sets the error
    // code.
    virtual void play() = 0;

    // Milliseconds. Position reaches length once the file has played to its end. Length
    // raises "No MCI device open" when no device is open.
    virtual qint64 position() = 0;
    virtual qint64 length() = 0;

    // 0 after a successful operation.
    virtual int lastError() const = 0;
};
