#pragma once

#include <QSettings>
#include <memory>

// The program's settings. The user's own (the registry on Windows, ~/.config on Linux), but for
// a portable copy on Windows: a file Tarvolin.ini beside the program keeps them instead, so
// that a copy on a USB stick leaves nothing behind on the machine.
std::unique_ptr<QSettings> ProgramSettings();
