// Start-up: from the moment the process is spawned to its main window shown, and the process's
// peak resident memory up to that moment, for Tarvolin and for a minimal Qt Widgets program.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "BenchTable.h"

extern char** environ;

namespace {

long long MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Launch {
    double seconds = 0;  // spawn to window shown
    double peakMiB = 0;
    std::string error;
};

Launch Start(const char* program)
{
    Launch result;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        result.error = "pipe failed";
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // Qt's start-up chatter (no XDG_RUNTIME_DIR and the like) would break up the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long started = MonotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        result.error = std::string("cannot start ") + program;
        return result;
    }

    std::string output;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);

    int status = 0;
    waitpid(pid, &status, 0);
    long long shownNs = 0;
    long peakKiB = 0;
    const auto at = output.find("shown ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos ||
        std::sscanf(output.c_str() + at, "shown %lld %ld", &shownNs, &peakKiB) != 2 || peakKiB <= 0) {
        result.error = std::string(program) + " did not show its window and exit cleanly";
        return result;
    }
    result.seconds = static_cast<double>(shownNs - started) * 1e-9;
    result.peakMiB = static_cast<double>(peakKiB) / 1024.0;
    return result;
}

BenchBody StartBody(std::string program)
{
    return [program](benchmark::State& state) {
        double peak = 0;
        for (auto _ : state) {
            const Launch launch = Start(program.c_str());
            if (!launch.error.empty()) {
                state.SkipWithError(launch.error.c_str());
                break;
            }
            state.SetIterationTime(launch.seconds);
            peak = std::max(peak, launch.peakMiB);
        }
        state.counters["peak_MiB"] = peak;
    };
}

} // namespace

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
    AddRow(time, StartBody(TARVOLIN_STARTUP_EXE), StartBody(MINIMAL_STARTUP_EXE), options);

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
