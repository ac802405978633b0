#include "settings/FileChange.h"

#include "settings/DataFileWrite.h"
#include "settings/SaveWarning.h"

#include <cstring>

FileChange::FileChange(const std::string& fileName, std::chrono::milliseconds wait)
    : fileName(fileName), lock(fileName, wait)
{
    state = ReadDataFile(fileName, bytes, readError);
}

bool FileChange::Save(const Bytes& newBytes, SaveWarning& warning)
{
    std::string reason;
    if (lock.state != LockState::HELD) {
        reason = lock.Refusal();
    } else if (state == DATA_FILE_UNREADABLE) {
        reason = std::strerror(readError);
    } else if (const int error = ReplaceFile(fileName, newBytes)) {
        reason = std::strerror(error);
    }
    // The other game must not wait while the player reads the box.
    lock.Release();
    warning.Tell(fileName, reason);
    return reason.empty();
}
