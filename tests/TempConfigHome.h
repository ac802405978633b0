#pragma once

#include "ScopedEnv.h"
#include "TempDir.h"

#include <string>

// A TempDir that is the desktop's folder for settings while it lives (XDG_CONFIG_HOME, on
// Windows APPDATA), so that the game's view options are read and written in it, never in the
// configuration of the account that runs the tests.
class TempConfigHome : public TempDir
{
public:
    std::string ViewFile() const { return Path("tobrix/view.conf"); }

#ifdef _WIN32
    ScopedEnv env{"APPDATA", path.string().c_str()};
#else
    ScopedEnv env{"XDG_CONFIG_HOME", path.c_str()};
#endif
};
