#include "settings/ConfigFolder.h"

#include "platform/Translation.h"
#include "settings/windows/Win32Files.h"

namespace {

// "C:\..." or "\\server\share\...": a relative APPDATA would make the folder depend on where
// the game starts, which the folder is there to avoid.
bool IsAbsolute(const std::wstring& path)
{
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    return (path.size() >= 3 && path[1] == L':' && separator(path[2])) ||
           (path.size() >= 2 && separator(path[0]) && separator(path[1]));
}

int MakeFolder(const std::string& folder)
{
    if (CreateDirectoryW(WidePath(folder).c_str(), nullptr)) {
        return 0;
    }
    const DWORD refused = GetLastError();
    return refused == ERROR_ALREADY_EXISTS ? 0 : ErrnoFromWindows(refused);
}

} // namespace

std::string ConfigFolder()
{
    // Read as UTF-16: a profile's folder often bears the player's name, in any letters.
    const DWORD size = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (size == 0) {
        return std::string();
    }
    std::wstring appData(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData.data(), size);
    appData.resize(length < size ? length : 0);
    if (!IsAbsolute(appData)) {
        return std::string();
    }
    const std::string folder = Utf8Path(appData);
    return folder.empty() ? folder : folder + "\\tobrix";
}

const char* NoConfigFolderReason()
{
    return _("APPDATA names no folder");
}

int MakeConfigFolder(const std::string& folder)
{
    // A folder in the profile takes the profile's permissions: the player's alone.
    const int error = MakeFolder(folder.substr(0, folder.find_last_of(PATH_SEPARATORS)));
    return error != 0 ? error : MakeFolder(folder);
}
