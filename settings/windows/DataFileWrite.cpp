#include "settings/DataFileWrite.h"

#include "settings/RetryWait.h"
#include "settings/TempFile.h"
#include "settings/windows/Win32Files.h"

#include <algorithm>
#include <cerrno>

namespace {

// Another program may have the file open just as the rename comes (a virus scanner, a backup,
// an indexer, another game reading it as it starts), and Windows renames over no open file.
// Such a program holds it for moments: the rename is tried again for this long.
const auto REPLACE_WAIT = std::chrono::milliseconds(1000);

// Whether the game may put a new file at the name: 0, or the errno that refuses it. The rename
// itself may need no more than rights on the folder, but a player who made the file read-only,
// or another user's file in a shared folder, means to keep it as it is; and a link or a
// junction at the name leads elsewhere, so it is refused rather than replaced.
int CheckReplaceable(const std::wstring& name)
{
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        // Nothing there to keep; a missing folder fails as the temporary file is made.
        return 0;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        return EPERM;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return EISDIR;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        return EACCES;
    }
    // Whether this user may write it: opening it for writing, which writes nothing, asks its
    // permissions. A program that holds it open unshared is waited for at the rename.
    const HANDLE file = CreateFileW(name.c_str(), FILE_WRITE_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_ACCESS_DENIED ? EACCES : 0;
    }
    CloseHandle(file);
    return 0;
}

int WriteAll(HANDLE file, const Bytes& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, wanted, &written, nullptr)) {
            return ErrnoFromWindows(GetLastError());
        }
        if (written == 0) {
            return EIO;
        }
        done += written;
    }
    return 0;
}

int MoveIntoPlace(const std::wstring& tempName, const std::wstring& name)
{
    RetryWait retry(REPLACE_WAIT);
    for (;;) {
        // Written through, the rename is on the disk when the call returns: what a POSIX
        // system needs the folder's sync for.
        if (MoveFileExW(tempName.c_str(), name.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        // A file open elsewhere refuses the rename with one of these. So does, on Windows, a
        // read-only file that took the name meanwhile, which is never replaced.
        const DWORD refused = GetLastError();
        const bool held = refused == ERROR_ACCESS_DENIED || refused == ERROR_SHARING_VIOLATION ||
                          refused == ERROR_LOCK_VIOLATION;
        if (!held || !retry.Pause()) {
            return ErrnoFromWindows(refused);
        }
    }
}

} // namespace

int ReplaceFile(const std::string& fileName, const Bytes& bytes)
{
    const std::wstring name = WidePath(fileName);
    if (const int refused = CheckReplaceable(name)) {
        return refused;
    }
    std::string tempName;
    int error = 0;
    const HANDLE file = AsHandle(CreateTempFile(fileName, tempName, error));
    if (file == INVALID_HANDLE_VALUE) {
        return error;
    }
    error = WriteAll(file, bytes);
    // The data must be on disk before the rename makes it the file, or a crash could leave an
    // empty file under the old name.
    if (error == 0 && !FlushFileBuffers(file)) {
        error = ErrnoFromWindows(GetLastError());
    }
    if (error == 0) {
        error = MoveIntoPlace(WidePath(tempName), name);
    }
    if (error != 0) {
        // Removed through the handle, which is the file written: whatever else may stand at
        // its name by now stays.
        FILE_DISPOSITION_INFO disposition = {TRUE};
        SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
    }
    // Closing only now keeps the file from other games' clean-up until it is renamed or gone.
    CloseHandle(file);
    return error;
}
