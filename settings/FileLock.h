#pragma once

#include "settings/FileSystem.h"

#include <chrono>
#include <string>

// What became of asking for a file's lock.
enum class LockState
{
    HELD,        // this game holds it
    BUSY,        // another game held it for the whole wait
    NOT_REGULAR, // a link, FIFO, folder or device stands at NAME.lock
    FAILED,      // NAME.lock could neither be opened nor created; error says why
};

// An exclusive lock on NAME.lock beside one of the game's files, held while it lives: flock on
// POSIX, LockFileEx on Windows. Every change of the file is made under it, so that two games
// running in the same folder take turns; a change that cannot have it is not made. The lock
// is taken on a file of its own because a Windows lock also keeps every other program from
// reading what it covers: the game's files stay readable while one is changed. The lock file
// is opened read-write or, when this user may only read it (another user's file in a shared
// folder), read only: either lock needs no more. Anything but a regular file at its name is
// never opened for writing, never followed and never waited on.
class FileLock
{
public:
    // Waits at most wait while another game holds the lock; a zero wait tries once.
    FileLock(const std::string& fileName, std::chrono::milliseconds wait);
    virtual ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Releases the lock before the object ends, for example before a message box. The state
    // still tells what became of asking for it.
    void Release();
    // Why the lock was not had, as the end of "Could not save FILE: ...".
    std::string Refusal() const;

    std::string lockName;
    LockState state = LockState::FAILED;
    int error = 0;
    NativeFile file = NO_NATIVE_FILE;

private:
    // Each system's own calls (settings/posix, settings/windows). Open opens or creates the
    // lock file, never through a link, and gives false with the state and error set when it
    // cannot; TryLock takes the lock without waiting: HELD, BUSY while another holds it, or
    // FAILED with the error set.
    bool Open();
    LockState TryLock();
};
