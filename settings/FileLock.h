#pragma once

#include <string>

// An exclusive advisory lock (flock) on NAME.lock beside one of the game's files, held while
// it lives. Every change of the file is made under it, so that two games running in the same
// folder take turns. The wait is bounded: a lock that another process keeps for seconds, or a
// lock file that cannot be used (a link, a FIFO, a read-only folder), leaves held false, and
// the caller goes on without it rather than freezing the game.
class FileLock
{
public:
    explicit FileLock(const std::string& fileName);
    virtual ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Releases the lock before the object ends, for example before a message box.
    void Release();

    bool held = false;
    int fd = -1;
};
