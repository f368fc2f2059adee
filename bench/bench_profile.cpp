// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving one player's 134 keys in a settings file shared by 100 players. The
// baselines do the same file work with nothing on top: reading the whole file, and writing
// its bytes and flushing them to disk, as every Save must.

#include "PlayerSettings.h"
#include "RatioReporter.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int Players = 100;
constexpr int Towns = 130; // with the four settings, 134 keys per player
const QString Player = QStringLiteral("Player 50");

QStringList townNames() {
    QStringList towns;
    for (int i = 0; i < Towns; ++i)
        towns << QStringLiteral("Town number %1").arg(i);
    return towns;
}

PlayerSettings settingsFor(int variant) {
    PlayerSettings s;
    for (int i = 0; i < Towns; ++i)
        s.disliked.push_back((i + variant) % 4 == 0);
    s.time = 1000 + variant % 2;
    s.questions = 5 + variant % 2;
    return s;
}

// A folder holding terrava.ini with every player saved once, made before the first run.
struct SharedFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("terrava.ini"));
    QStringList towns = townNames();

    SharedFile() {
        if (!dir.isValid()) {
            std::fprintf(stderr, "no temporary folder\n");
            std::exit(1);
        }
        ProfileFile file(path);
        for (int p = 0; p < Players; ++p)
            writePlayerSettings(file, QStringLiteral("Player %1").arg(p), towns, settingsFor(p));
    }
};

SharedFile& shared() {
    static SharedFile file;
    return file;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

void BM_LoadPlayer(benchmark::State& state) {
    const ProfileFile file(shared().path);
    for (auto _ : state) {
        PlayerSettings s = readPlayerSettings(file, Player, shared().towns);
        benchmark::DoNotOptimize(s);
    }
    state.counters["file_bytes"] = double(fileBytes(shared().path).size());
}

void BM_LoadPlayer_Baseline(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(fileBytes(shared().path));
}

void BM_SavePlayer(benchmark::State& state) {
    ProfileFile file(shared().path);
    const PlayerSettings a = settingsFor(0);
    const PlayerSettings b = settingsFor(1);
    bool flip = false;
    for (auto _ : state) {
        writePlayerSettings(file, Player, shared().towns, flip ? a : b);
        flip = !flip;
    }
}

void BM_SavePlayer_Baseline(benchmark::State& state) {
    const QByteArray bytes = fileBytes(shared().path);
    const QString scratch = shared().dir.filePath(QStringLiteral("plain.ini"));
    for (auto _ : state) {
        QFile file(scratch);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
            state.SkipWithError("plain write failed");
    }
}

} // namespace

BENCHMARK(BM_LoadPlayer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPlayer_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePlayer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePlayer_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

TERRAVA_BENCHMARK_MAIN()
