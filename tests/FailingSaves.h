#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#ifndef _WIN32
#include "FileSizeLimit.h"
#endif

// While it lives, saves of the named file fail for a reason that every account meets, root
// and administrators too, so that tests see what the game does with a failed save. On POSIX
// every write past zero bytes fails, as on a full disk (see FileSizeLimit). Windows has no such
// limit; there the existing file is made read-only, which the game never replaces.
class FailingSaves
{
public:
    explicit FailingSaves(const std::string& fileName) : fileName(fileName)
    {
#ifdef _WIN32
        using std::filesystem::perms;
        std::filesystem::permissions(fileName,
                                     perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
#endif
    }
    ~FailingSaves()
    {
#ifdef _WIN32
        std::error_code ignored;
        std::filesystem::permissions(fileName, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
#endif
    }
    FailingSaves(const FailingSaves&) = delete;
    FailingSaves& operator=(const FailingSaves&) = delete;

private:
    std::string fileName;
#ifndef _WIN32
    FileSizeLimit full{0};
#endif
};
