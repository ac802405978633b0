#include "FileBytes.h"
#include "TempConfigHome.h"

#include "settings/ViewOptions.h"

#include <cstring>
#include <filesystem>
#include <string>

// Whatever stands where the file should be, the game starts with symbols off unless the file
// says on. (A FIFO's row is in PosixViewOptionsTest.cpp.)
TEST(ViewOptions, OnlyAValidFileTurnsSymbolsOn)
{
    const struct
    {
        const char* what;
        const char* text; // nullptr: a folder
        bool symbols;
    } cases[] = {
        {"on", "symbols=on\n", true}, {"off", "symbols=off\n", false},
        {"cut", "symbols=o", false},  {"other value", "symbols=1\n", false},
        {"a folder", nullptr, false},
    };
    for (const auto& c : cases) {
        TempConfigHome config;
        std::filesystem::create_directory(config.Path("tobrix"));
        const std::string file = config.ViewFile();
        if (!c.text) {
            std::filesystem::create_directory(file);
        } else {
            WriteFileBytes(file, Bytes(c.text, c.text + std::strlen(c.text)));
        }
        ViewOptions options;
        options.symbols = !c.symbols;
        options.Load();
        EXPECT_EQ(options.symbols, c.symbols) << c.what;
    }
}
