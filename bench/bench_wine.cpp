// The Windows build's rows, measured under Wine (scripts/bench-windows sets the variables): the
// window's start-up against a minimal Qt Widgets program, and a command-line job against a
// minimal Qt console program, every program a Windows .exe started through Wine, so both sides
// pay Wine's own process start alike. Without TARVOLIN_WINE_BUILD (the cross build tree) no row
// is registered.

#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "Processes.h"

void RegisterWineBenchmarks()
{
    const char* build = std::getenv("TARVOLIN_WINE_BUILD");
    const char* wine = std::getenv("TARVOLIN_WINE");
    if (!build || !wine)
        return;
    const std::string folder = build;
    const auto underWine = [&](const std::string& exe, std::vector<std::string> args = {}) {
        // Windows' own platform: the timing program runs offscreen, and its children inherit that.
        std::vector<std::string> command{"/usr/bin/env", "QT_QPA_PLATFORM=windows", wine,
                                         folder + "/" + exe};
        command.insert(command.end(), args.begin(), args.end());
        return command;
    };

    // Both programs quit right after showing; the variable reaches them through the environment.
    setenv("TARVOLIN_EXIT_AFTER_SHOW", "1", 1);
    const auto options = [](benchmark::internal::Benchmark* b) {
        b->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);
    };
    BenchRow time;
    time.name = "Wine: start-up to window shown vs min. Qt";
    time.goal = "ratio <= 1.5";
    time.maxRatio = 1.5;
    AddRow(time, ShownBody(underWine("bench/startup_tarvolin.exe")),
           ShownBody(underWine("bench/startup_minimal.exe")), options);

    BenchRow memory;
    memory.name = "Wine: start-up peak memory vs min. Qt";
    memory.goal = "ratio <= 1.5";
    memory.maxRatio = 1.5;
    memory.counter = "peak_MiB";
    memory.unit = "MiB";
    memory.sourceRow = time.name;
    AddCounterRow(memory);

    // The file goes beside the benchmark programs: a folder both sides of Wine name alike.
    const std::string csv = "Z:" + folder + "/bench/Concrete_Data.csv";
    BenchRow cli;
    cli.name = "Wine: cli.exe csv --grade 30 vs min. Qt";
    cli.goal = "ratio <= 1.5";
    cli.maxRatio = 1.5;
    AddRow(cli, JobBody({underWine("tarvolin-cli.exe", {"csv", "--grade", "30", "-o", csv})}),
           JobBody({underWine("bench/console_minimal.exe")}), options);
}
