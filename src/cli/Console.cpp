#include "cli/Console.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace console {

#ifdef _WIN32

namespace {

UINT previousOutputCodePage = 0;

void RestoreCodePage()
{
    std::fflush(stdout);
    std::fflush(stderr);
    if (previousOutputCodePage != 0)
        SetConsoleOutputCP(previousOutputCodePage);
}

bool IsConsole(std::FILE* stream)
{
    DWORD mode = 0;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void Prepare()
{
    // Text mode would turn every "\n" of a CSV or .inp file written to standard output into
    // "\r\n"; the console itself starts a new line at "\n" alone.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if ((IsConsole(stdout) || IsConsole(stderr)) && GetConsoleOutputCP() != CP_UTF8) {
        previousOutputCodePage = GetConsoleOutputCP();
        if (SetConsoleOutputCP(CP_UTF8))
            std::atexit(&RestoreCodePage);
        else
            previousOutputCodePage = 0;
    }
}

QStringList Arguments(int, char**)
{
    QStringList arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments << QString::fromWCharArray(words[i]);
    LocalFree(words);
    return arguments;
}

#else

void Prepare() {}

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

#endif

}  // namespace console
