#include "settings/DataFileRead.h"

#include "settings/windows/Win32Files.h"

#include <algorithm>
#include <cerrno>

namespace {

DataFileState ReadFailure(DWORD refused, int& error)
{
    error = ErrnoFromWindows(refused);
    return error == ENOENT ? DATA_FILE_MISSING : DATA_FILE_UNREADABLE;
}

} // namespace

DataFileState ReadDataFile(const std::string& fileName, Bytes& bytes, int& error)
{
    bytes.clear();
    error = 0;
    const std::wstring name = WidePath(fileName);
    // Looking before opening keeps devices and folders closed, and links unfollowed.
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return ReadFailure(GetLastError(), error);
    }
    if (attributes & NOT_REGULAR_ATTRIBUTES) {
        return DATA_FILE_NOT_REGULAR;
    }
    // Shared with every other use, so that the read refuses nobody; a save that comes meanwhile
    // waits for it at the rename (see ReplaceFile). Something else may stand there by the time
    // it opens: a link is opened as itself and refused.
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ReadFailure(GetLastError(), error);
    }
    DataFileState state = IsRegularFile(file) ? DATA_FILE_READ : DATA_FILE_NOT_REGULAR;
    unsigned char buffer[4096];
    while (state == DATA_FILE_READ && bytes.size() < FILE_READ_LIMIT) {
        const DWORD wanted =
            static_cast<DWORD>(std::min(sizeof(buffer), FILE_READ_LIMIT - bytes.size()));
        DWORD got = 0;
        if (!ReadFile(file, buffer, wanted, &got, nullptr)) {
            error = ErrnoFromWindows(GetLastError());
            state = DATA_FILE_UNREADABLE;
        } else if (got == 0) {
            break;
        } else {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
    }
    CloseHandle(file);
    if (state != DATA_FILE_READ) {
        bytes.clear();
    }
    return state;
}
