#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

// Every row of the table is a pair of benchmarks run in the same process, interleaved: the
// subject (Tarvolin's code) and a baseline doing the same work with the fastest tools the
// standard library or Qt offer. Absolute times on a shared machine drift; their ratio holds.
struct BenchRow {
    std::string name;
    std::string goal;           // as printed in the table
    double maxRatio = 0;        // 0: no ratio goal
    double maxSubjectMs = 0;    // 0: no absolute goal
    std::string counter;        // when set, the row compares this counter instead of the time
    std::string unit = "ms";    // of the counter
    std::string sourceRow;      // when set, the counter is read from that row's benchmarks
    // When set, the baseline is this counter of the subject's own runs (a row that compares
    // two parts of one measurement, such as the first and the last cycles of the soak).
    std::string baselineCounter;
    double itemsPerIteration = 1;  // times are shown per item (a number, a process start...)
};

using BenchBody = std::function<void(benchmark::State&)>;

// Registers "<row>/subject" and "<row>/baseline" (the baseline may be empty for an absolute
// goal only). Options apply to both, so that they are measured alike.
void AddRow(const BenchRow& row, BenchBody subject, BenchBody baseline,
            const std::function<void(benchmark::internal::Benchmark*)>& options = {});

// A row that only reads a counter of benchmarks registered for another row.
void AddCounterRow(const BenchRow& row);

void RegisterNumberTextBenchmarks();
void RegisterCsvBenchmarks();
void RegisterWindowBenchmarks();
void RegisterStartupBenchmarks(const char* argv0);
void RegisterCliBenchmarks();
void RegisterCyclicBenchmarks();
void RegisterFitBenchmarks();
void RegisterScaleBenchmarks();
void RegisterWineBenchmarks();
