#include "Processes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

extern char** environ;

namespace {

std::vector<char*> Argv(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    return argv;
}

bool ExitedCleanly(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Launch {
    double seconds = 0;  // spawn to window shown
    double peakMiB = 0;
    std::string error;
};

Launch StartUntilShown(const std::vector<std::string>& command)
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

    std::vector<char*> argv = Argv(command);
    pid_t pid = 0;
    const double started = MonotonicSeconds();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        result.error = "cannot start " + command[0];
        return result;
    }

    std::string output;
    double shown = -1;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(n));
        if (shown < 0) {
            const auto at = output.find("shown ");
            if (at != std::string::npos && output.find('\n', at) != std::string::npos)
                shown = MonotonicSeconds();
        }
    }
    close(pipeFds[0]);

    long long childNs = 0;
    long peakKiB = 0;
    const auto at = output.find("shown ");
    if (!ExitedCleanly(pid) || shown < 0 ||
        std::sscanf(output.c_str() + at, "shown %lld %ld", &childNs, &peakKiB) != 2 || peakKiB <= 0) {
        result.error = command.back() + " did not show its window and exit cleanly";
        return result;
    }
    result.seconds = shown - started;
    result.peakMiB = static_cast<double>(peakKiB) / 1024.0;
    return result;
}

}  // namespace

double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

bool RunQuietly(const std::vector<std::string>& command)
{
    std::vector<char*> argv = Argv(command);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 && ExitedCleanly(pid);
}

BenchBody JobBody(std::vector<std::vector<std::string>> commands)
{
    return [commands](benchmark::State& state) {
        for (auto _ : state) {
            const double started = MonotonicSeconds();
            for (const auto& command : commands) {
                if (!RunQuietly(command)) {
                    std::string words;
                    for (const std::string& word : command)
                        words += (words.empty() ? "" : " ") + word;
                    state.SkipWithError(("failed: " + words).c_str());
                    return;
                }
            }
            state.SetIterationTime(MonotonicSeconds() - started);
        }
    };
}

BenchBody ShownBody(std::vector<std::string> command)
{
    return [command](benchmark::State& state) {
        double peak = 0;
        for (auto _ : state) {
            const Launch launch = StartUntilShown(command);
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

void AddStartupRows(const std::string& timeRow, const std::string& memoryRow,
                    std::vector<std::string> program, std::vector<std::string> yardstick,
                    int iterations)
{
    // Both programs quit right after showing; the variable reaches them through the environment.
    setenv("TARVOLIN_EXIT_AFTER_SHOW", "1", 1);
    BenchRow time;
    time.name = timeRow;
    time.goal = "ratio <= 1.5";
    time.maxRatio = 1.5;
    AddRow(time, ShownBody(std::move(program)), ShownBody(std::move(yardstick)),
           [iterations](benchmark::internal::Benchmark* b) {
               b->UseManualTime()->Iterations(iterations)->Unit(benchmark::kMillisecond);
           });

    // The memory row reads the counter of the same runs; it needs no benchmarks of its own.
    BenchRow memory;
    memory.name = memoryRow;
    memory.goal = "ratio <= 1.5";
    memory.maxRatio = 1.5;
    memory.counter = "peak_MiB";
    memory.unit = "MiB";
    memory.sourceRow = timeRow;
    AddCounterRow(memory);
}
