#pragma once

#include "TempDir.h"

#include "settings/TempFile.h"

#include <filesystem>
#include <string>
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

    // How many of the file's temporary files are here.
    int TempFileCount(const std::string& fileName) const
    {
        int count = 0;
        for (const std::filesystem::directory_entry& entry :
             std::filesystem::directory_iterator(path)) {
            count += IsTempFileOf(entry.path().filename().string(), fileName) ? 1 : 0;
        }
        return count;
    }

    std::filesystem::path previous;
};
