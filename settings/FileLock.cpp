#include "settings/FileLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Another game holds the lock only while it writes a few hundred bytes.
const auto LOCK_WAIT_LIMIT = std::chrono::seconds(3);
const auto LOCK_RETRY_PAUSE = std::chrono::milliseconds(2);

} // namespace

FileLock::FileLock(const std::string& fileName)
{
    const std::string lockName = fileName + ".lock";
    fd = open(lockName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
              0666);
    struct stat status;
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        Release();
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + LOCK_WAIT_LIMIT;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            Release();
            return;
        }
        std::this_thread::sleep_for(LOCK_RETRY_PAUSE);
    }
    held = true;
}

FileLock::~FileLock()
{
    Release();
}

void FileLock::Release()
{
    // Closing the only descriptor of the lock file drops the lock.
    if (fd >= 0) {
        close(fd);
    }
    fd = -1;
    held = false;
}
