#include "SyncFaults.h"

#include <cerrno>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

std::chrono::milliseconds fileSyncDelay{0};
int fileSyncAnnounce = -1;
int folderSyncError = 0;

} // namespace

extern "C" int __real_fsync(int fd);

extern "C" int __wrap_fsync(int fd)
{
    struct stat status;
    const bool known = fstat(fd, &status) == 0;
    if (known && S_ISDIR(status.st_mode) && folderSyncError != 0) {
        errno = folderSyncError;
        return -1;
    }
    if (known && S_ISREG(status.st_mode) && fileSyncDelay.count() > 0) {
        const char byte = 's';
        if (fileSyncAnnounce >= 0 && write(fileSyncAnnounce, &byte, 1) != 1) {
            return -1;
        }
        std::this_thread::sleep_for(fileSyncDelay);
    }
    return __real_fsync(fd);
}

SlowFileSync::SlowFileSync(std::chrono::milliseconds delay, int announce)
{
    fileSyncDelay = delay;
    fileSyncAnnounce = announce;
}

SlowFileSync::~SlowFileSync()
{
    fileSyncDelay = std::chrono::milliseconds(0);
    fileSyncAnnounce = -1;
}

FailingFolderSync::FailingFolderSync(int error)
{
    folderSyncError = error;
}

FailingFolderSync::~FailingFolderSync()
{
    folderSyncError = 0;
}
