// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The record of sessions with a synthetic history of 10,000 sessions of ten towns for 30
// players: recording one event, the review of one session, the progress views, the teacher's
// table and the practice draw. The baselines are bare SQLite work on the same file: one insert
// in its own transaction; reading one session's rows of towns; reading every row of one
// player's history (what the per-player views would read without the town records kept up to
// date); reading every row of every player's. The file's size per session is printed before
// the runs and given with the review.

#include "PlayerProgress.h"
#include "PracticeDraw.h"
#include "ProgressSql.h"
#include "RatioReporter.h"
#include "SessionRecorder.h"
#include "SessionReview.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int Players = 30;
constexpr int Sessions = 10000;
constexpr int TownsPerSession = 10;
constexpr int TownCount = 130;
const QString Player = QStringLiteral("Player 7");

QStringList townNames() {
    QStringList towns;
    for (int i = 0; i < TownCount; ++i)
        towns << QStringLiteral("Town number %1").arg(i);
    return towns;
}

// A folder holding progress.sqlite with the whole history, made before the first run: every
// player has towns he misses often, and finds the others at varying speed.
struct SyntheticRecord {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("progress.sqlite"));
    QStringList towns = townNames();
    std::unique_ptr<ProgressDatabase> db;
    double bytesPerSession = 0;

    SyntheticRecord() {
        if (!dir.isValid())
            std::exit(1);
        build();
        db = std::make_unique<ProgressDatabase>(path);
        if (!db->isOpen()) {
            std::fprintf(stderr, "%s\n", qPrintable(db->takeProblem()));
            std::exit(1);
        }
    }

    void build() {
        ProgressDatabase made(path);
        qint64 ms = 0;
        const SessionRecorder::Clock clock = {
            [&] { return QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC).addSecs(ms / 1000); },
            [&] { return ms; }};
        std::mt19937 random(42);
        std::vector<std::unique_ptr<SessionRecorder>> players;
        for (int p = 0; p < Players; ++p)
            players.push_back(
                std::make_unique<SessionRecorder>(made, QStringLiteral("Player %1").arg(p), clock));
        {
            ProgressDatabase::Batch batch(made);
            for (int s = 0; s < Sessions; ++s) {
                const int p = s % Players;
                SessionRecorder& r = *players[size_t(p)];
                QStringList drawn;
                while (drawn.size() < TownsPerSession) {
                    const QString town = towns[int(random() % TownCount)];
                    if (!drawn.contains(town))
                        drawn << town;
                }
                r.sessionStarted({1500, TownsPerSession, 2, true, s % 3 == 0, {"Town number 5"}},
                                 drawn);
                for (int t = 0; t < TownsPerSession; ++t) {
                    r.townAsked(t);
                    const int hard = (towns.indexOf(drawn[t]) + p) % 13 == 0 ? 3 : 0;
                    for (int miss = int(random() % 4) == 0 ? 1 : hard; miss > 0; --miss) {
                        ms += 2000;
                        r.wrongClick({WrongClick::Kind::Town,
                                      towns[int(random() % TownCount)],
                                      QStringLiteral("Padania.bmp"),
                                      {int(random() % 900), int(random() % 600)}});
                    }
                    ms += 1000 + random() % 9000;
                    if (s % 7 == 3 && t == 8)
                        r.timeUp();
                    if (s % 7 == 3 && t == 9)
                        break;
                    r.townFound(t);
                }
                ms += 60000;
            }
        }
        players.clear(); // the last sessions end as "window closed"
        made.write([](QSqlDatabase& c) { sqlRun(c, "CREATE TABLE scratch (n INTEGER)"); });
        sqlValue(made.connection(), "PRAGMA wal_checkpoint(TRUNCATE)");
        bytesPerSession = double(QFileInfo(path).size()) / Sessions;
        std::printf("record: %d sessions, %.0f bytes, %.0f bytes per session\n", Sessions,
                    double(QFileInfo(path).size()), bytesPerSession);
    }
};

SyntheticRecord& record() {
    static SyntheticRecord r;
    return r;
}

ProgressDatabase& db() {
    return *record().db;
}

// Reads every row of a query, as the cheapest way to the data beneath a view.
void readRows(benchmark::State& state, const QString& sql, const QVariantList& values) {
    QSqlQuery q = sqlRun(db().connection(), sql, values);
    int rows = 0;
    while (q.next())
        rows += q.value(0).toInt() >= 0 ? 1 : 0;
    if (rows == 0)
        state.SkipWithError("no rows");
}

qint64 playerId() {
    return sqlValue(db().connection(), "SELECT id FROM players WHERE name = ?", {Player})
        .toLongLong();
}

void BM_RecordEvent(benchmark::State& state) {
    SessionRecorder r(db(), QStringLiteral("Player 99"));
    r.sessionStarted({}, record().towns.mid(0, 30));
    for (auto _ : state)
        r.wrongClick({WrongClick::Kind::Town,
                      QStringLiteral("Town number 3"),
                      QStringLiteral("Padania.bmp"),
                      {100, 200}});
    if (!db().isOpen())
        state.SkipWithError("the record is off");
}

void BM_RecordEvent_Baseline(benchmark::State& state) {
    const QSqlDatabase c = db().connection();
    for (auto _ : state) {
        sqlRun(c, "BEGIN IMMEDIATE");
        sqlRun(c, "INSERT INTO scratch (n) VALUES (?)", {1});
        sqlRun(c, "COMMIT");
    }
}

void BM_Review(benchmark::State& state) {
    std::mt19937 random(1);
    for (auto _ : state) {
        const std::optional<SessionReview> review = sessionReview(db(), 1 + random() % Sessions);
        if (!review || review->towns.size() != TownsPerSession)
            state.SkipWithError("no review");
    }
    state.counters["bytes_per_session"] = record().bytesPerSession;
}

void BM_Review_Baseline(benchmark::State& state) {
    std::mt19937 random(1);
    for (auto _ : state)
        readRows(state, "SELECT position, town, found_ms FROM session_towns WHERE session_id = ?",
                 {qint64(1 + random() % Sessions)});
}

void BM_PlayerSessions(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(playerSessions(db(), Player));
}

void BM_TownKnowledge(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(townKnowledge(db(), Player, record().towns));
}

void BM_MostMissed(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(mostMissed(db(), Player, 10));
}

void BM_PracticeDraw(benchmark::State& state) {
    std::uint32_t seed = 0;
    const std::vector<bool> disliked(TownCount, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(practiceTowns(db(), Player, record().towns, disliked, 10, ++seed));
}

// One player's rows of the record, read once: beneath every per-player view.
void BM_PlayerRows_Baseline(benchmark::State& state) {
    const qint64 id = playerId();
    for (auto _ : state)
        readRows(state,
                 "SELECT t.found_ms, t.wrong_clicks, s.started_at FROM sessions s"
                 " JOIN session_towns t ON t.session_id = s.id WHERE s.player_id = ?",
                 {id});
}

void BM_TeacherTable(benchmark::State& state) {
    for (auto _ : state)
        if (teacherTable(db()).size() < Players)
            state.SkipWithError("players missing");
}

void BM_TeacherTable_Baseline(benchmark::State& state) {
    for (auto _ : state)
        readRows(state,
                 "SELECT t.found_ms, t.wrong_clicks, s.player_id FROM sessions s"
                 " JOIN session_towns t ON t.session_id = s.id",
                 {});
}

} // namespace

// The per-player views share one baseline: they are reported against it under their names.
BENCHMARK(BM_RecordEvent)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_RecordEvent_Baseline)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Review)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Review_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlayerSessions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerRows_Baseline)
    ->Name("BM_PlayerSessions_Baseline")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TownKnowledge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerRows_Baseline)->Name("BM_TownKnowledge_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MostMissed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerRows_Baseline)->Name("BM_MostMissed_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PracticeDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerRows_Baseline)->Name("BM_PracticeDraw_Baseline")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeacherTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeacherTable_Baseline)->Unit(benchmark::kMillisecond);

// The record is made before the first benchmark, outside every measurement.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    record();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
