#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

// A fresh, empty directory under the system's temporary folder for one test, removed with
// everything in it when the test ends. Tests that touch files work only in here.
class TempDir
{
public:
    TempDir()
    {
        // A random name, created only when nobody has it yet; only its owner may enter it.
        static std::mt19937_64 names{std::random_device{}()};
        const std::filesystem::path folder = std::filesystem::temp_directory_path();
        for (int tries = 0; tries < 100 && path.empty(); ++tries) {
            const std::filesystem::path candidate = folder / ("tobrix-" + std::to_string(names()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, error);
                path = candidate;
            }
        }
        if (path.empty()) {
            ADD_FAILURE() << "cannot create a temporary directory";
        }
    }
    ~TempDir()
    {
        std::error_code ignored;
        if (!path.empty()) {
            std::filesystem::remove_all(path, ignored);
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The full path of a file in the directory.
    std::string Path(const std::string& name) const { return (path / name).string(); }

    std::filesystem::path path;
};
