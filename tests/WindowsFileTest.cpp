#include "FileBytes.h"
#include "HeadlessTest.h"
#include "ScopedEnv.h"
#include "TempWorkingDir.h"

#include "settings/DataFileRead.h"
#include "settings/FileChange.h"
#include "settings/FileLock.h"
#include "settings/SaveWarning.h"
#include "settings/TempFile.h"
#include "settings/ViewOptions.h"
#include "settings/windows/Win32Files.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

const char DATA_FILE[] = "data.kvd";
const Bytes OLD_BYTES{'o', 'l', 'd'};
const Bytes NEW_BYTES{'n', 'e', 'w', '!'};

class WindowsFileTest : public HeadlessTest
{
protected:
    // Changes the file as the game does (lock, re-read, replace); what the player was told, or
    // "" when the save succeeded.
    std::string Change(const std::string& fileName)
    {
        const size_t before = headless.MessageBoxes().size();
        SaveWarning warning;
        const bool saved = FileChange(fileName, milliseconds(0)).Save(NEW_BYTES, warning);
        const size_t told = headless.MessageBoxes().size() - before;
        EXPECT_EQ(told, saved ? 0u : 1u);
        return told == 0 ? "" : headless.MessageBoxes().back().text;
    }
};

HANDLE OpenElsewhere(const char* name)
{
    return CreateFileW(WidePath(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

} // namespace

// Whatever keeps the file from being replaced, the old contents stay whole, the player is told,
// and no temporary file stays behind.
TEST_F(WindowsFileTest, AFileOpenElsewhereOrReadOnlyIsReplacedOnlyWhenFree)
{
    const struct
    {
        const char* what;
        int heldMs;       // another program keeps the file open (sharing only reading) this long
                          // while the save runs; -1 till it has ended
        bool readOnly;    // the player made the file read-only
        const char* told; // nullptr when the save succeeds
    } rows[] = {
        {"open elsewhere for a moment", 100, false, nullptr},
        {"open elsewhere past the save's wait", -1, false,
         "Could not save data.kvd: Permission denied"},
        {"read-only", 0, true, "Could not save data.kvd: Permission denied"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempWorkingDir dir;
        WriteFileBytes(DATA_FILE, OLD_BYTES);
        const std::wstring name = WidePath(DATA_FILE);
        if (row.readOnly) {
            ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        const HANDLE held = row.heldMs != 0 ? OpenElsewhere(DATA_FILE) : INVALID_HANDLE_VALUE;
        ASSERT_TRUE(row.heldMs == 0 || held != INVALID_HANDLE_VALUE);
        std::thread closer([held, &row] {
            if (row.heldMs > 0) {
                std::this_thread::sleep_for(milliseconds(row.heldMs));
                CloseHandle(held);
            }
        });
        EXPECT_EQ(Change(DATA_FILE), row.told ? row.told : "");
        closer.join();
        if (row.heldMs < 0) {
            CloseHandle(held);
        }
        EXPECT_EQ(ReadFileBytes(DATA_FILE), row.told ? OLD_BYTES : NEW_BYTES);
        EXPECT_EQ(dir.TempFileCount(DATA_FILE), 0);
        if (row.readOnly) {
            EXPECT_TRUE(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_READONLY);
            SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
}

// A Windows lock also keeps others from reading what it covers: it lies on NAME.lock, and the
// file itself stays readable while another game changes it.
TEST(WindowsFile, ALockHeldElsewhereKeepsTheNextBusyAndTheFileReadable)
{
    TempWorkingDir dir;
    WriteFileBytes(DATA_FILE, OLD_BYTES);
    FileLock held(DATA_FILE, milliseconds(0));
    ASSERT_EQ(held.state, LockState::HELD);
    FileLock waiting(DATA_FILE, milliseconds(50));
    EXPECT_EQ(waiting.state, LockState::BUSY);
    EXPECT_EQ(waiting.Refusal(), "another TOBRIX++ game is holding it");
    Bytes bytes;
    int error = 0;
    EXPECT_EQ(ReadDataFile(DATA_FILE, bytes, error), DATA_FILE_READ);
    EXPECT_EQ(bytes, OLD_BYTES);
    held.Release();
    EXPECT_EQ(FileLock(DATA_FILE, milliseconds(0)).state, LockState::HELD);
}

// A save under way holds its temporary file open: the clean-up another game makes as it starts
// leaves the file to be put in place. A temporary file nobody holds is a crash's leftover, which
// the clean-up removes.
TEST(WindowsFile, TheCleanUpLeavesATemporaryFileWhileItIsWritten)
{
    TempWorkingDir dir;
    std::string tempName;
    int error = 0;
    const HANDLE writing = AsHandle(CreateTempFile(DATA_FILE, tempName, error));
    ASSERT_NE(writing, INVALID_HANDLE_VALUE) << error;
    RemoveStaleTempFiles(DATA_FILE);
    // The save goes on as ReplaceFile does: renamed while still held.
    EXPECT_TRUE(MoveFileExW(WidePath(tempName).c_str(), WidePath(DATA_FILE).c_str(),
                            MOVEFILE_REPLACE_EXISTING));
    CloseHandle(writing);
    EXPECT_TRUE(fs::is_regular_file(DATA_FILE));

    WriteFileBytes(std::string(DATA_FILE) + ".tmp-AbCd12", OLD_BYTES);
    RemoveStaleTempFiles(DATA_FILE);
    EXPECT_EQ(dir.TempFileCount(DATA_FILE), 0);
    EXPECT_TRUE(fs::is_regular_file(DATA_FILE));
}

namespace {

// A name beside the game's file at which someone planted a symbolic link, and what the player
// is told when the game changes the file (nullptr: the change succeeds).
struct LinkCase
{
    const char* place;
    const char* told;
};

std::ostream& operator<<(std::ostream& out, const LinkCase& c)
{
    return out << c.place;
}

class WindowsLinkTest : public WindowsFileTest, public ::testing::WithParamInterface<LinkCase>
{
};

} // namespace

// A link planted beside the game's file is never followed: the file it leads to stays as it
// was, and the link itself stays too.
TEST_P(WindowsLinkTest, IsNeverFollowed)
{
    const LinkCase& c = GetParam();
    TempWorkingDir dir;
    const Bytes precious{'k', 'e', 'e', 'p'};
    WriteFileBytes("precious", precious);
    const std::wstring link = WidePath(c.place);
    // Windows makes symbolic links only for accounts with the privilege or in Developer Mode;
    // Wine 8 answers with success but makes none.
    const bool planted = CreateSymbolicLinkW(link.c_str(), L"precious",
                                             SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD refused = planted ? ERROR_SUCCESS : GetLastError();
    const DWORD attributes = GetFileAttributesW(link.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        GTEST_SKIP() << "this system made no symbolic link: the call "
                     << (planted ? std::string("reported success")
                                 : "failed with error " + std::to_string(refused));
    }

    // What a game does: it cleans up after a crash, reads the file, changes it.
    RemoveStaleTempFiles(DATA_FILE);
    Bytes bytes;
    int error = 0;
    const DataFileState read = ReadDataFile(DATA_FILE, bytes, error);
    EXPECT_EQ(Change(DATA_FILE), c.told ? c.told : "");

    EXPECT_EQ(ReadFileBytes("precious"), precious);
    EXPECT_TRUE(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    if (c.place == std::string(DATA_FILE)) {
        EXPECT_EQ(read, DATA_FILE_NOT_REGULAR);
    } else {
        EXPECT_EQ(ReadFileBytes(DATA_FILE), c.told ? Bytes() : NEW_BYTES);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WindowsFile, WindowsLinkTest,
    ::testing::Values(LinkCase{"data.kvd", "Could not save data.kvd: Operation not permitted"},
                      LinkCase{"data.kvd.lock",
                               "Could not save data.kvd: data.kvd.lock is not a regular file"},
                      LinkCase{"data.kvd.tmp-AbCd12", nullptr}, LinkCase{"data.kvd.tmp", nullptr}));

TEST(WindowsFile, TheViewOptionsLieInAppDataWhenItIsAbsolute)
{
    const struct
    {
        const char* appData;
        const char* folder;
    } cases[] = {
        {"C:\\Users\\p\\AppData\\Roaming", "C:\\Users\\p\\AppData\\Roaming\\tobrix"},
        {"\\\\server\\profiles\\p", "\\\\server\\profiles\\p\\tobrix"},
        {"AppData", ""},
        {"C:AppData", ""},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        ScopedEnv appData("APPDATA", c.appData);
        EXPECT_EQ(ViewOptions::Folder(), c.folder) << (c.appData ? c.appData : "(unset)");
    }
}

// A profile's folder often bears the player's name: the path goes to Windows in UTF-16, so that
// the options land under that very name, made when missing, and come back.
TEST_F(WindowsFileTest, ViewOptionsAreKeptUnderAFolderOfAnyLetters)
{
    TempDir dir;
    const std::string appData = dir.path.u8string() + "\\Zo\xC3\xAB";
    ScopedEnv restored("APPDATA", nullptr);
    ASSERT_TRUE(SetEnvironmentVariableW(L"APPDATA", WidePath(appData).c_str()));
    ViewOptions saved;
    saved.symbols = true;
    ASSERT_TRUE(saved.Save());
    EXPECT_TRUE(fs::is_regular_file(fs::u8path(appData + "\\tobrix\\view.conf")));
    ViewOptions loaded;
    loaded.Load();
    EXPECT_TRUE(loaded.symbols);
}
