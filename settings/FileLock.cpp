#include "settings/FileLock.h"

#include "platform/Translation.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Another game holds the lock for the milliseconds its save takes; the pauses between tries
// grow from the first to the longest, so a short wait costs little and a long one little CPU.
const auto LOCK_FIRST_PAUSE = std::chrono::milliseconds(1);
const auto LOCK_LONGEST_PAUSE = std::chrono::milliseconds(16);

const int LOCK_OPEN_FLAGS = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

FileLock::FileLock(const std::string& fileName, std::chrono::milliseconds wait)
    : lockName(fileName + ".lock")
{
    // Looking before opening: a device may act on being opened, and nothing but a regular file
    // is the game's lock. The check after opening catches what took its place meanwhile.
    struct stat seen;
    if (lstat(lockName.c_str(), &seen) == 0 && !S_ISREG(seen.st_mode)) {
        state = LockState::NOT_REGULAR;
        return;
    }
    fd = open(lockName.c_str(), O_RDWR | O_CREAT | LOCK_OPEN_FLAGS, 0666);
    if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
        const int refused = errno;
        fd = open(lockName.c_str(), O_RDONLY | LOCK_OPEN_FLAGS);
        // Missing in a folder this user may not write: the first refusal is the reason.
        if (fd < 0 && errno == ENOENT) {
            errno = refused;
        }
    }
    if (fd < 0) {
        error = errno;
        state = error == ELOOP || error == EISDIR ? LockState::NOT_REGULAR : LockState::FAILED;
        return;
    }
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        Release();
        state = LockState::NOT_REGULAR;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = LOCK_FIRST_PAUSE;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        const int refused = errno;
        const auto now = std::chrono::steady_clock::now();
        if (refused != EWOULDBLOCK || now >= deadline) {
            Release();
            error = refused == EWOULDBLOCK ? 0 : refused;
            state = refused == EWOULDBLOCK ? LockState::BUSY : LockState::FAILED;
            return;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, LOCK_LONGEST_PAUSE);
    }
    state = LockState::HELD;
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
