#include "settings/FileLock.h"

#include "platform/Translation.h"
#include "settings/RetryWait.h"

#include <cstring>

FileLock::FileLock(const std::string& fileName, std::chrono::milliseconds wait)
    : lockName(fileName + ".lock")
{
    if (!Open()) {
        return;
    }
    // Another game holds the lock for the milliseconds its save takes.
    RetryWait retry(wait);
    do {
        state = TryLock();
    } while (state == LockState::BUSY && retry.Pause());
    if (state != LockState::HELD) {
        Release();
    }
}

FileLock::~FileLock()
{
    Release();
}

std::string FileLock::Refusal() const
{
    switch (state) {
    case LockState::HELD:
        return "";
    case LockState::BUSY:
        return _("another TOBRIX++ game is holding it");
    case LockState::NOT_REGULAR:
        return lockName + " is not a regular file";
    case LockState::FAILED:
        break;
    }
    return std::strerror(error);
}
