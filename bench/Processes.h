#pragma once

#include <string>
#include <vector>

#include "BenchTable.h"

// Benchmarks that start whole programs, as a user or a script does.

double MonotonicSeconds();

// Runs the command to its end with its output thrown away; true when it exited with status 0.
// The command's first word is a path (no PATH search).
bool RunQuietly(const std::vector<std::string>& command);

// Times running the commands one after another, each iteration; an iteration that fails skips
// the benchmark with the failing command named.
BenchBody JobBody(std::vector<std::vector<std::string>> commands);

// Times the command from its spawn to the line "shown ..." that the start-up probe prints once
// the main window is on screen (the program then quits by itself), and records the peak memory
// it reports as the counter "peak_MiB". The time is taken here, when the line arrives, so a
// program under Wine, whose clock may not be ours, is timed alike.
BenchBody ShownBody(std::vector<std::string> command);

// The pair of start-up rows: the time from spawn to the main window shown, and the peak memory
// of the same runs, each program against the yardstick, both started `iterations` times a
// repetition. The programs quit once shown (the probe's variable is set for them here).
void AddStartupRows(const std::string& timeRow, const std::string& memoryRow,
                    std::vector<std::string> program, std::vector<std::string> yardstick,
                    int iterations);
