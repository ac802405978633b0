#include "settings/DataFileWrite.h"

#include "settings/TempFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    // Renaming over a file needs only the folder's permission, but a player who made the file
    // read-only, or another user's file in a shared folder, means to keep it as it is.
    struct stat old;
    const bool replacing = stat(fileName.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (replacing && access(fileName.c_str(), W_OK) != 0) {
        return errno;
    }
    std::string tempName;
    int error = 0;
    const int fd = static_cast<int>(CreateTempFile(fileName, tempName, error));
    if (fd < 0) {
        return error;
    }
    if (replacing && fchmod(fd, old.st_mode & 0777) != 0) {
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
    if (error == 0 && rename(tempName.c_str(), fileName.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(tempName.c_str());
    }
    // Closing drops the temporary file's lock only now, when it is renamed or removed, so that
    // no other game's clean-up takes it for a crash's leftover meanwhile. Its data are synced.
    close(fd);
    if (error != 0) {
        return error;
    }
    // The file is saved once it is renamed. A folder that cannot be synced only makes the
    // rename less sure to outlive a crash of the whole system: no reason to call the save failed.
    const int syncError = SyncDirectory(fileName);
    if (syncError != 0) {
        std::fprintf(stderr, "tobrix: saved %s, but its folder could not be synced: %s\n",
                     fileName.c_str(), std::strerror(syncError));
    }
    return 0;
}
