#include "settings/TempFile.h"

#include "settings/windows/Win32Files.h"

#include <cerrno>
#include <chrono>
#include <random>
#include <vector>

extern const char PATH_SEPARATORS[] = "\\/";

namespace {

// Names already taken are drawn again; this many in a row means someone is planting them.
const int TEMP_NAME_TRIES = 100;

std::string InFolder(const std::string& directory, const std::string& name)
{
    const bool ended = directory.find_last_of(PATH_SEPARATORS) == directory.size() - 1;
    return ended ? directory + name : directory + PATH_SEPARATORS[0] + name;
}

// The full paths of the regular files in the file's folder that bear its temporary names.
// Links and junctions of such a name are left alone: they are no game's.
std::vector<std::string> TempFilesOf(const std::string& fileName)
{
    std::vector<std::string> found;
    const std::string directory = DirectoryOf(fileName);
    WIN32_FIND_DATAW entry;
    const HANDLE search =
        FindFirstFileExW(WidePath(InFolder(directory, "*")).c_str(), FindExInfoBasic, &entry,
                         FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    do {
        const std::string name = Utf8Path(entry.cFileName);
        if ((entry.dwFileAttributes & NOT_REGULAR_ATTRIBUTES) == 0 &&
            IsTempFileOf(name, fileName)) {
            found.push_back(InFolder(directory, name));
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

} // namespace

uint64_t SystemRandomSeed()
{
    uint64_t seed = 0;
    // std::random_device draws from the system's random source; should there be none, the
    // process id and the clock still tell two games apart.
    try {
        std::random_device source;
        seed = uint64_t(source()) << 32 ^ source();
    } catch (...) {
        seed = 0;
    }
    return seed ^ static_cast<uint64_t>(GetCurrentProcessId()) << 32 ^
           static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

NativeFile CreateTempFile(const std::string& fileName, std::string& tempName, int& error)
{
    for (int tries = 0; tries < TEMP_NAME_TRIES; ++tries) {
        tempName = NewTempFileName(fileName);
        // CREATE_NEW fails on any name already taken. FILE_FLAG_OPEN_REPARSE_POINT makes a link
        // at the name a file of its own that exists, rather than one to follow and create the
        // target of.
        //
        // The handle itself keeps other games' clean-up off the file while it is written: the
        // clean-up opens a temporary file sharing nothing, which fails as long as a handle open
        // for writing exists, and this one shares no writing. It shares renaming, which
        // MoveFileExW needs to put the file in place while this handle still holds it, and
        // reading, so that a game that reads the file the moment it is in place is not refused.
        // The handle is closed only after the file has been renamed or removed: the file never
        // lies there unheld.
        const HANDLE file = CreateFileW(
            WidePath(tempName).c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD refused = GetLastError();
            if (refused == ERROR_FILE_EXISTS || refused == ERROR_ALREADY_EXISTS) {
                continue;
            }
            error = ErrnoFromWindows(refused);
            return NO_NATIVE_FILE;
        }
        if (IsRegularFile(file)) {
            return AsNativeFile(file);
        }
        // Not what CREATE_NEW makes: it is left alone, and a fresh name is drawn.
        CloseHandle(file);
    }
    error = EEXIST;
    return NO_NATIVE_FILE;
}

void RemoveStaleTempFiles(const std::string& fileName)
{
    for (const std::string& path : TempFilesOf(fileName)) {
        // No sharing: the open fails while a game that writes the file holds it (see
        // CreateTempFile); a file nobody holds was left by a game that ended in the middle of
        // a save. Once open, nobody else can open it until it is gone. A link put in its place
        // meanwhile is opened as itself, found not regular and left.
        const HANDLE file =
            CreateFileW(WidePath(path).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr,
                        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        if (IsRegularFile(file)) {
            FILE_DISPOSITION_INFO disposition = {TRUE};
            SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
        }
        CloseHandle(file);
    }
}
