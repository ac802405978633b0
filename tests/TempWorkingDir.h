#pragma once

#include "TempDir.h"

#include <filesystem>
#include <system_error>

// A TempDir that is also the working directory while it lives, for code that opens its files by
// bare name. The previous working directory comes back before the directory is removed.
class TempWorkingDir : public TempDir
{
public:
    TempWorkingDir() : previous(std::filesystem::current_path())
    {
        if (!path.empty()) {
            std::filesystem::current_path(path);
        }
    }
    ~TempWorkingDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }

    std::filesystem::path previous;
};
