#pragma once

#include <QStringList>

// The command line's ties to the terminal it runs in, which differ on Windows alone.
namespace console {

// Windows: a console shows the UTF-8 the program prints (its output code page is UTF-8 while the
// program runs and is put back at exit, so cmd.exe and PowerShell read Chinese help and
// messages whatever their code page), and "\n" reaches files and pipes as "\n", so that what is
// written is byte for byte what Linux writes. Elsewhere nothing changes.
void Prepare();

// The arguments after the program's name as typed: on Windows from the wide command line, so
// that file names outside the ANSI code page arrive whole; elsewhere argv in the locale's
// encoding.
QStringList Arguments(int argc, char** argv);

}  // namespace console
