#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// A fresh, empty directory under the system's temporary folder for one test, removed with
// everything in it when the test ends. Tests that touch files work only in here.
class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tobrix-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path = pattern;
        } else {
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
