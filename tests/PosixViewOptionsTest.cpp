#include "ScopedEnv.h"
#include "TempConfigHome.h"

#include "settings/ViewOptions.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>

TEST(ViewOptions, TheFolderFollowsTheXdgRules)
{
    const struct
    {
        const char* config;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/cfg", "/home/p", "/cfg/tobrix"},
        {nullptr, "/home/p", "/home/p/.config/tobrix"},
        {"relative", "/home/p", "/home/p/.config/tobrix"},
        {"", "relative", ""},
    };
    for (const auto& c : cases) {
        ScopedEnv config("XDG_CONFIG_HOME", c.config);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(ViewOptions::Folder(), c.folder) << (c.config ? c.config : "(unset)");
    }
}

// The game starts without waiting for a writer, with symbols off.
TEST(ViewOptions, AFifoInTheFilesPlaceIsNeverWaitedOn)
{
    TempConfigHome config;
    std::filesystem::create_directory(config.Path("tobrix"));
    ASSERT_EQ(mkfifo(config.ViewFile().c_str(), 0600), 0);
    ViewOptions options;
    options.symbols = true;
    options.Load();
    EXPECT_FALSE(options.symbols);
}
