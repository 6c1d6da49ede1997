// Start-up: from the moment the process is spawned to its main window shown, and the process's
// peak resident memory up to that moment, for Tarvolin and for a minimal Qt Widgets program.

#include <cstdlib>

#include "BenchTable.h"
#include "Processes.h"

void RegisterStartupBenchmarks(const char*)
{
    // Both programs quit right after showing; the variable reaches them through the environment.
    setenv("TARVOLIN_EXIT_AFTER_SHOW", "1", 1);

    const auto options = [](benchmark::internal::Benchmark* b) {
        b->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);
    };
    BenchRow time;
    time.name = "Start-up to window shown vs minimal Qt";
    time.goal = "ratio <= 1.5";
    time.maxRatio = 1.5;
    AddRow(time, ShownBody({TARVOLIN_STARTUP_EXE}), ShownBody({MINIMAL_STARTUP_EXE}), options);

    // The memory row reads the counter of the same runs; it needs no benchmarks of its own.
    BenchRow memory;
    memory.name = "Start-up peak memory vs minimal Qt";
    memory.goal = "ratio <= 1.5";
    memory.maxRatio = 1.5;
    memory.counter = "peak_MiB";
    memory.unit = "MiB";
    memory.sourceRow = time.name;
    AddCounterRow(memory);
}
