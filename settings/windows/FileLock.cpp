#include "settings/FileLock.h"

#include "settings/windows/Win32Files.h"

namespace {

// The lock covers one byte at the start of the lock file, which may lie past its end.
const DWORD LOCKED_BYTES = 1;

} // namespace

bool FileLock::Open()
{
    const std::wstring name = WidePath(lockName);
    // Looking before opening: nothing but a regular file is the game's lock. The check after
    // opening catches what took its place meanwhile.
    const DWORD seen = GetFileAttributesW(name.c_str());
    if (seen != INVALID_FILE_ATTRIBUTES && (seen & NOT_REGULAR_ATTRIBUTES) != 0) {
        state = LockState::NOT_REGULAR;
        return false;
    }
    // Shared for reading and writing with the other games that open it, never for deleting:
    // the lock file stays in place while anyone holds it.
    const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE opened =
        CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, sharing, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (opened == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        // A read-only lock file, or another user's: LockFileEx needs only reading.
        opened = CreateFileW(name.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        // Missing in a folder this user may not write: the first refusal is the reason.
        if (opened == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
            SetLastError(ERROR_ACCESS_DENIED);
        }
    }
    if (opened == INVALID_HANDLE_VALUE) {
        error = ErrnoFromWindows(GetLastError());
        state = LockState::FAILED;
        return false;
    }
    file = AsNativeFile(opened);
    if (!IsRegularFile(opened)) {
        Release();
        state = LockState::NOT_REGULAR;
        return false;
    }
    return true;
}

LockState FileLock::TryLock()
{
    OVERLAPPED start = {};
    if (LockFileEx(AsHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                   LOCKED_BYTES, 0, &start)) {
        return LockState::HELD;
    }
    const DWORD refused = GetLastError();
    if (refused == ERROR_LOCK_VIOLATION) {
        return LockState::BUSY;
    }
    error = ErrnoFromWindows(refused);
    return LockState::FAILED;
}

void FileLock::Release()
{
    if (file != NO_NATIVE_FILE) {
        // Windows drops a closed handle's locks only when it gets round to it: unlocked first,
        // so that the next game need not wait.
        if (state == LockState::HELD) {
            OVERLAPPED start = {};
            UnlockFileEx(AsHandle(file), 0, LOCKED_BYTES, 0, &start);
        }
        CloseHandle(AsHandle(file));
    }
    file = NO_NATIVE_FILE;
}
