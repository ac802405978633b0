#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, every write of this process past the given size fails with EFBIG ("File too
// large"), as writes on a full disk fail: a real failure of the game's saves that even root
// meets. The signal such a write raises is ignored, so the write just fails.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    rlimit previous;
    void (*previousHandler)(int);
};
