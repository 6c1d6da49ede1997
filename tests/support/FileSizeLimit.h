#pragma once

#include <csignal>
#include <sys/resource.h>

// Files may not grow beyond `bytes` while it lives; writes past that fail with EFBIG instead of
// killing the process, for root as for anyone. Restores the limit and the signal whatever way
// the test leaves.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};
