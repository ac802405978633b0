#include "settings/ViewOptions.h"

#include "platform/Translation.h"
#include "settings/DataFileRead.h"
#include "settings/FileChange.h"
#include "settings/TempFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

const char SYMBOLS_ON[] = "symbols=on\n";
const char SYMBOLS_OFF[] = "symbols=off\n";

// The environment's path when it is set and absolute; the XDG rules ignore relative ones.
std::string AbsolutePath(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

bool Holds(const Bytes& bytes, const char* text)
{
    return bytes.size() == std::strlen(text) && std::memcmp(bytes.data(), text, bytes.size()) == 0;
}

// Makes the folder if it is missing; errno when that failed, else 0.
int MakeFolder(const std::string& folder)
{
    if (mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
        return 0;
    }
    return errno;
}

} // namespace

std::string ViewOptions::Folder()
{
    std::string config = AbsolutePath("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = AbsolutePath("HOME");
        if (home.empty()) {
            return std::string();
        }
        config = home + "/.config";
    }
    return config + "/tobrix";
}

std::string ViewOptions::FileName()
{
    const std::string folder = Folder();
    return folder.empty() ? std::string() : folder + "/" + VIEW_OPTIONS_FILE;
}

void ViewOptions::Load()
{
    symbols = false;
    const std::string fileName = FileName();
    if (fileName.empty()) {
        return;
    }
    RemoveStaleTempFiles(fileName);
    Bytes bytes;
    int error = 0;
    if (ReadDataFile(fileName, bytes, error) == DATA_FILE_READ) {
        ReadBytes(bytes);
    }
}

bool ViewOptions::ReadBytes(const Bytes& bytes)
{
    symbols = Holds(bytes, SYMBOLS_ON);
    return symbols || Holds(bytes, SYMBOLS_OFF);
}

Bytes ViewOptions::OptionBytes() const
{
    const char* text = symbols ? SYMBOLS_ON : SYMBOLS_OFF;
    return Bytes(text, text + std::strlen(text));
}

bool ViewOptions::Save()
{
    const std::string folder = Folder();
    if (folder.empty()) {
        saveWarning.Tell(VIEW_OPTIONS_FILE, _("neither XDG_CONFIG_HOME nor HOME names a folder"));
        return false;
    }
    // The configuration folder itself may be missing on a fresh account.
    const std::string parent = folder.substr(0, folder.rfind('/'));
    int error = MakeFolder(parent);
    if (error == 0) {
        error = MakeFolder(folder);
    }
    if (error != 0) {
        saveWarning.Tell(FileName(), std::strerror(error));
        return false;
    }
    FileChange change(FileName());
    return change.Save(OptionBytes(), saveWarning);
}
