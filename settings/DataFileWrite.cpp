#include "settings/DataFileWrite.h"

#include "settings/TempFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names already taken are drawn again; this many in a row means someone is planting them.
const int TEMP_NAME_TRIES = 100;

int WriteAll(int fd, const Bytes& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : EIO;
        }
        done += static_cast<size_t>(written);
    }
    return 0;
}

int SyncDirectory(const std::string& fileName)
{
    int fd = open(DirectoryOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    // Some file systems cannot sync a folder at all; the rename stands there anyway.
    int error = fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    close(fd);
    return error;
}

} // namespace

int ReplaceFile(const std::string& fileName, const Bytes& bytes)
{
    std::string tempName;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < TEMP_NAME_TRIES; ++tries) {
        tempName = NewTempFileName(fileName);
        fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return errno;
        }
    }
    if (fd < 0) {
        return EEXIST;
    }
    int error = 0;
    struct stat old;
    if (stat(fileName.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        fchmod(fd, old.st_mode & 0777) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = WriteAll(fd, bytes);
    }
    // The data must be on disk before the rename makes it the file, or a crash could leave an
    // empty file under the old name.
    if (error == 0 && fsync(fd) != 0) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && rename(tempName.c_str(), fileName.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(tempName.c_str());
        return error;
    }
    return SyncDirectory(fileName);
}
