#include "settings/TempFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern const char PATH_SEPARATORS[] = "/";

namespace {

// Names already taken are drawn again; this many in a row means someone is planting them.
const int TEMP_NAME_TRIES = 100;

// Whether the open descriptor is the regular file that path names now.
bool StillNamed(int fd, const std::string& path)
{
    struct stat opened;
    struct stat named;
    return fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

std::vector<std::string> TempFilesOf(const std::string& fileName)
{
    std::vector<std::string> found;
    const std::string directory = DirectoryOf(fileName);
    DIR* folder = opendir(directory.c_str());
    if (folder == nullptr) {
        return found;
    }
    while (const dirent* entry = readdir(folder)) {
        if (!IsTempFileOf(entry->d_name, fileName)) {
            continue;
        }
        // Only regular files, never followed through a link: a folder or a FIFO of that name
        // is not the game's.
        const std::string path = directory + "/" + entry->d_name;
        struct stat status;
        if (lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            found.push_back(path);
        }
    }
    closedir(folder);
    return found;
}

} // namespace

uint64_t SystemRandomSeed()
{
    uint64_t seed = 0;
    if (getrandom(&seed, sizeof seed, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof seed)) {
        seed = 0;
    }
    return seed ^ static_cast<uint64_t>(getpid()) << 32 ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

NativeFile CreateTempFile(const std::string& fileName, std::string& tempName, int& error)
{
    for (int tries = 0; tries < TEMP_NAME_TRIES; ++tries) {
        tempName = NewTempFileName(fileName);
        const int fd =
            open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            error = errno;
            return NO_NATIVE_FILE;
        }
        if (fd < 0) {
            continue;
        }
        // Between creating the file and locking it, another game's clean-up may have found it
        // unlocked: then that game removes it, or has removed it, and a fresh name is drawn.
        const int refused = flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
        if (refused == 0 && StillNamed(fd, tempName)) {
            return fd;
        }
        close(fd);
        if (refused != 0 && refused != EWOULDBLOCK) {
            unlink(tempName.c_str());
            error = refused;
            return NO_NATIVE_FILE;
        }
    }
    error = EEXIST;
    return NO_NATIVE_FILE;
}

void RemoveStaleTempFiles(const std::string& fileName)
{
    for (const std::string& path : TempFilesOf(fileName)) {
        const int fd =
            open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // A game that writes the file holds its lock until the file is renamed or removed; a
        // file nobody holds was left by a game that ended in the middle of a save.
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path)) {
            unlink(path.c_str());
        }
        close(fd);
    }
}
