#include "settings/ConfigFolder.h"

#include "platform/Translation.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

// The environment's path when it is set and absolute; the XDG rules ignore relative ones.
std::string AbsolutePath(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
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

std::string ConfigFolder()
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

const char* NoConfigFolderReason()
{
    return _("neither XDG_CONFIG_HOME nor HOME names a folder");
}

int MakeConfigFolder(const std::string& folder)
{
    const int error = MakeFolder(folder.substr(0, folder.rfind('/')));
    return error != 0 ? error : MakeFolder(folder);
}
