#pragma once

#include <chrono>

// The test program links every fsync of the game to a stand-in (-Wl,--wrap=fsync, see
// CMakeLists.txt) that passes it on, unless a test asks for the faults of real disks while one
// of these objects lives: a sync of a file that takes seconds, a folder that cannot be synced.

// Each sync of a regular file first writes a byte to announce (a pipe, or -1 for none), then
// lasts delay longer: the save under way holds its locks meanwhile.
class SlowFileSync
{
public:
    SlowFileSync(std::chrono::milliseconds delay, int announce);
    ~SlowFileSync();
    SlowFileSync(const SlowFileSync&) = delete;
    SlowFileSync& operator=(const SlowFileSync&) = delete;
};

// Each sync of a folder fails with error.
class FailingFolderSync
{
public:
    explicit FailingFolderSync(int error);
    ~FailingFolderSync();
    FailingFolderSync(const FailingFolderSync&) = delete;
    FailingFolderSync& operator=(const FailingFolderSync&) = delete;
};
