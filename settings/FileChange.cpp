#include "settings/FileChange.h"

#include "settings/DataFileWrite.h"
#include "settings/SaveWarning.h"

FileChange::FileChange(const std::string& fileName) : fileName(fileName), lock(fileName)
{
    state = ReadDataFile(fileName, bytes, readError);
}

bool FileChange::Save(const Bytes& newBytes, SaveWarning& warning)
{
    const int error = state == DATA_FILE_UNREADABLE ? readError : ReplaceFile(fileName, newBytes);
    // The other game must not wait while the player reads the box.
    lock.Release();
    warning.Tell(fileName, error);
    return error == 0;
}
