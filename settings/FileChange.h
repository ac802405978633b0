#pragma once

#include "settings/BinaryFile.h"
#include "settings/DataFileRead.h"
#include "settings/FileLock.h"

#include <string>

class SaveWarning;

// One change of one of the game's files, made under the file's lock: it reads what is on disk
// now, so that the owner applies its change to that and never writes over what another game
// running in the same folder wrote meanwhile; then Save replaces the file.
class FileChange
{
public:
    explicit FileChange(const std::string& fileName);
    virtual ~FileChange() = default;

    // Writes the bytes, releases the lock, and has the warning tell the player when the save
    // failed. A file that is there but cannot be read is never written over: its contents were
    // not merged, so that save fails with the reason it could not be read. A FIFO or a device
    // in the file's place is replaced: owners save only the changes the player makes over one.
    bool Save(const Bytes& bytes, SaveWarning& warning);

    std::string fileName;
    FileLock lock;
    DataFileState state = DATA_FILE_MISSING;
    Bytes bytes;
    int readError = 0;
};
