#pragma once

#include "settings/BinaryFile.h"
#include "settings/DataFileRead.h"
#include "settings/FileLock.h"

#include <chrono>
#include <string>

class SaveWarning;

// How long a change waits while another game holds the file's lock. Another game's save takes
// milliseconds, and even a slow disk's sync only seconds; a game that holds the lock longer is
// stopped or stuck, and the player is told instead of facing a window that never answers.
const auto CHANGE_LOCK_WAIT = std::chrono::seconds(10);

// One change of one of the game's files, made under the file's lock: it reads what is on disk
// now, so that the owner applies its change to that and never writes over what another game
// running in the same folder wrote meanwhile; then Save replaces the file.
class FileChange
{
public:
    // Takes the file's lock, waiting at most wait, then reads the file. Without the lock the
    // file is read all the same, but Save writes nothing.
    explicit FileChange(const std::string& fileName,
                        std::chrono::milliseconds wait = CHANGE_LOCK_WAIT);
    virtual ~FileChange() = default;

    // Writes the bytes, releases the lock, and has the warning tell the player when the save
    // failed. Without the lock nothing is written: the save fails with the reason the lock was
    // not had. A file that is there but cannot be read is never written over: its contents were
    // not merged, so that save fails with the reason it could not be read. A FIFO or a device
    // in the file's place is replaced: owners save only the changes the player makes over one.
    bool Save(const Bytes& bytes, SaveWarning& warning);

    std::string fileName;
    FileLock lock;
    DataFileState state = DATA_FILE_MISSING;
    Bytes bytes;
    int readError = 0;
};
