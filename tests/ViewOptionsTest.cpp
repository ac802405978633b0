#include "FileBytes.h"
#include "ScopedEnv.h"
#include "TempConfigHome.h"

#include "settings/ViewOptions.h"

#include <sys/stat.h>

#include <cstring>
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

// Whatever stands where the file should be, the game starts without waiting, with symbols off
// unless the file says on.
TEST(ViewOptions, OnlyAValidFileTurnsSymbolsOn)
{
    const struct
    {
        const char* what;
        const char* text; // nullptr: a folder, "|": a FIFO
        bool symbols;
    } cases[] = {
        {"on", "symbols=on\n", true}, {"off", "symbols=off\n", false},
        {"cut", "symbols=o", false},  {"other value", "symbols=1\n", false},
        {"a folder", nullptr, false}, {"a FIFO", "|", false},
    };
    for (const auto& c : cases) {
        TempConfigHome config;
        std::filesystem::create_directory(config.Path("tobrix"));
        const std::string file = config.ViewFile();
        if (!c.text) {
            std::filesystem::create_directory(file);
        } else if (c.text[0] == '|') {
            ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        } else {
            WriteFileBytes(file, Bytes(c.text, c.text + std::strlen(c.text)));
        }
        ViewOptions options;
        options.symbols = !c.symbols;
        options.Load();
        EXPECT_EQ(options.symbols, c.symbols) << c.what;
    }
}
