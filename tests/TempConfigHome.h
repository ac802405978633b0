#pragma once

#include "ScopedEnv.h"
#include "TempDir.h"

#include <string>

// A TempDir that is XDG_CONFIG_HOME while it lives, so that the game's view options are read
// and written in it, never in the configuration of the account that runs the tests.
class TempConfigHome : public TempDir
{
public:
    std::string ViewFile() const { return Path("tobrix/view.conf"); }

    ScopedEnv env{"XDG_CONFIG_HOME", path.c_str()};
};
