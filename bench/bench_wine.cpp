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

    AddStartupRows("Wine: start-up to window shown vs min. Qt",
                   "Wine: start-up peak memory vs min. Qt", underWine("bench/startup_tarvolin.exe"),
                   underWine("bench/startup_minimal.exe"), 4);

    // The file goes beside the benchmark programs: a folder both sides of Wine name alike.
    const std::string csv = "Z:" + folder + "/bench/Concrete_Data.csv";
    BenchRow cli;
    cli.name = "Wine: cli.exe csv --grade 30 vs min. Qt";
    cli.goal = "ratio <= 1.5";
    cli.maxRatio = 1.5;
    AddRow(cli, JobBody({underWine("tarvolin-cli.exe", {"csv", "--grade", "30", "-o", csv})}),
           JobBody({underWine("bench/console_minimal.exe")}),
           [](benchmark::internal::Benchmark* b) {
               b->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);
           });
}
