// SPDX-FileCopyrightText: 2026 Terrava developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Console output as usual, then for every benchmark "X" that has a "X_Baseline" measured in
// the same run, the ratio of their times: the figure to compare across machines.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime() * 1e9 /
                                              benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-44s %14s %14s %8s\n", "benchmark", "time", "baseline", "ratio");
        for (const auto& [name, time] : times) {
            const std::size_t cut = name.find("_Baseline");
            if (cut != std::string::npos)
                continue;
            const std::size_t slash = name.find('/');
            const std::string base = name.substr(0, slash) + "_Baseline" +
                                     (slash == std::string::npos ? "" : name.substr(slash));
            const auto found = times.find(base);
            if (found == times.end())
                continue;
            std::printf("%-44s %11.3f us %11.3f us %8.2f\n", name.c_str(), time / 1000.0,
                        found->second / 1000.0, time / found->second);
        }
    }

private:
    std::map<std::string, double> times; // nanoseconds
};

// main() for a benchmark program: the usual flags, with the ratio table at the end.
#define TERRAVA_BENCHMARK_MAIN()                                                                   \
    int main(int argc, char** argv) {                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        RatioReporter reporter;                                                                    \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                              \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
