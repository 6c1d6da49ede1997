#pragma once

// For the start-up benchmark only: when the environment variable TARVOLIN_EXIT_AFTER_SHOW is
// set, the program prints "shown <CLOCK_MONOTONIC ns> <peak resident KiB>" on standard output
// as soon as its main window has been exposed and painted, and then leaves its event loop as if
// closed. Without the variable nothing changes. Call before the application object is created.
void InstallStartupProbe();
