#include "settings/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int LOCK_OPEN_FLAGS = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

bool FileLock::Open()
{
    // Looking before opening: a device may act on being opened, and nothing but a regular file
    // is the game's lock. The check after opening catches what took its place meanwhile.
    struct stat seen;
    if (lstat(lockName.c_str(), &seen) == 0 && !S_ISREG(seen.st_mode)) {
        state = LockState::NOT_REGULAR;
        return false;
    }
    int fd = open(lockName.c_str(), O_RDWR | O_CREAT | LOCK_OPEN_FLAGS, 0666);
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
        return false;
    }
    file = fd;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        Release();
        state = LockState::NOT_REGULAR;
        return false;
    }
    return true;
}

LockState FileLock::TryLock()
{
    while (flock(static_cast<int>(file), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return LockState::BUSY;
        }
        if (errno != EINTR) {
            error = errno;
            return LockState::FAILED;
        }
    }
    return LockState::HELD;
}

void FileLock::Release()
{
    // Closing the only descriptor of the lock file drops the lock.
    if (file != NO_NATIVE_FILE) {
        close(static_cast<int>(file));
    }
    file = NO_NATIVE_FILE;
}
