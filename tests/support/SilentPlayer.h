// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Error.h"
#include "SoundDevice.h"

#include <QHash>
#include <QStringList>

// A media player for window tests: it opens and plays silently, and records what it was
// asked to open; with failing set it refuses every open as a machine without sound does, and
// it refuses to open the file named missing as if that file were not there.
// Its position never moves, so a file counts as played to its end at once.
class SilentPlayer final : public SoundDevice {
public:
    QHash<QString, int> opens; // how often each file was opened
    QStringList opened;        // every open in order, while recordOrder is on
    bool recordOrder = true;
    bool failing = false;
    QString missing;

    void setFileName(const QString& name) override { file = name; }
    QString fileName() const override { return file; }
    void open() override {
        if (failing)
            throw TerravaError("Cannot play sound file \"" + file + "\": no audio output device");
        if (!missing.isEmpty() && file == missing)
            throw TerravaError("Cannot play sound file \"" + file + "\": the file is missing");
        ++opens[file];
        if (recordOrder)
            opened << file;
    }
    void close() override {}
    void play() override {}
    qint64 position() override { return 0; }
    qint64 length() override { return 0; }
    int lastError() const override { return 0; }

private:
    QString file;
};
