#include "settings/DataFileRead.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DataFileState OpenFailure(int error)
{
    return error == ENOENT || error == ENOTDIR ? DATA_FILE_MISSING : DATA_FILE_UNREADABLE;
}

} // namespace

DataFileState ReadDataFile(const std::string& fileName, Bytes& bytes, int& error)
{
    bytes.clear();
    error = 0;
    // Looking before opening keeps devices closed: some act on being opened.
    struct stat status;
    if (stat(fileName.c_str(), &status) != 0) {
        error = errno;
        return OpenFailure(error);
    }
    if (!S_ISREG(status.st_mode)) {
        return DATA_FILE_NOT_REGULAR;
    }
    // Something else may stand there by the time it opens: without O_NONBLOCK a FIFO would
    // wait for a writer here.
    int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return OpenFailure(error);
    }
    DataFileState state = DATA_FILE_READ;
    if (fstat(fd, &status) != 0) {
        error = errno;
        state = DATA_FILE_UNREADABLE;
    } else if (!S_ISREG(status.st_mode)) {
        state = DATA_FILE_NOT_REGULAR;
    }
    unsigned char buffer[4096];
    while (state == DATA_FILE_READ && bytes.size() < FILE_READ_LIMIT) {
        size_t wanted = std::min(sizeof(buffer), FILE_READ_LIMIT - bytes.size());
        ssize_t got = read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = errno;
            state = DATA_FILE_UNREADABLE;
        } else if (got == 0) {
            break;
        } else {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
    }
    close(fd);
    if (state != DATA_FILE_READ) {
        bytes.clear();
    }
    return state;
}
