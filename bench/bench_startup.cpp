// Start-up: from the moment the process is spawned to its main window shown, and the process's
// peak resident memory up to that moment, for Tarvolin and for a minimal Qt Widgets program.

#include "Processes.h"

void RegisterStartupBenchmarks(const char*)
{
    AddStartupRows("Start-up to window shown vs minimal Qt", "Start-up peak memory vs minimal Qt",
                   {TARVOLIN_STARTUP_EXE}, {MINIMAL_STARTUP_EXE}, 8);
}
