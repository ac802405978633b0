#include "ChildProcess.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "HeadlessTest.h"
#include "TempWorkingDir.h"

#include "settings/HighScoreTable.h"
#include "settings/PlayerList.h"
#include "settings/PlayingValues.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The owners of the game's three files, as one running game holds them.
struct Owners
{
    HighScoreTable table;
    PlayerList list;
    PlayingValues values;
};

// Each file with the game's start-up read of it (true when its contents were taken) and one
// change the player makes to it (true when the change reached the file).
struct GameFile
{
    std::string name;
    bool (*load)(Owners&);
    bool (*save)(Owners&);
};

const GameFile GAME_FILES[] = {
    {HIGH_SCORES_FILE, [](Owners& o) { return o.table.Load() == 1; },
     [](Owners& o) { return o.table.Reset(); }},
    {PLAYERS_FILE, [](Owners& o) { return o.list.Load(); },
     [](Owners& o) { return o.list.Create("Zoe") && !o.list.saveWarning.shown; }},
    {DEFAULTS_FILE,
     [](Owners& o) {
         o.values.ReadDefaultsFile();
         return o.values.square == 0;
     },
     [](Owners& o) {
         o.values.SetFactoryValues();
         return o.values.WriteDefaultsFile();
     }},
};

const int CHILD_DEADLINE_SECONDS = 30;
const uid_t NOBODY = 65534;
const int CANNOT_DROP_ROOT = 77;

std::string PlayerName(int game, int round)
{
    return "p" + std::to_string(game) + "-" + std::to_string(round);
}

// One of two games in the same folder: for two seconds it enters a rising score, creates a
// player and deletes the one it created four rounds before, and checks that every file it
// reads meanwhile is whole. Its number of rounds goes to rounds-N.
void PlayAlongside(int game)
{
    HighScoreTable table;
    table.Load();
    PlayerList list;
    list.Load();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int rounds = 0;
    for (; std::chrono::steady_clock::now() < end; ++rounds) {
        table.Insert(1000 + 2 * rounds + game, "p");
        EXPECT_TRUE(list.Create(PlayerName(game, rounds)));
        if (rounds >= 4) {
            EXPECT_TRUE(list.Delete(PlayerName(game, rounds - 4)));
        }
        HighScoreTable reader;
        const Bytes scores = ReadFileBytes(HIGH_SCORES_FILE);
        EXPECT_TRUE(scores.size() == HIGH_SCORES_FILE_SIZE && reader.ReadBytes(scores));
        const Bytes players = ReadFileBytes(PLAYERS_FILE);
        ASSERT_GE(players.size(), 4u);
        EXPECT_EQ(players.size(), 4 + NAME_FIELD_SIZE * size_t(GetInt32(players.data())));
    }
    EXPECT_FALSE(table.saveWarning.shown || list.saveWarning.shown);
    WriteFileBytes("rounds-" + std::to_string(game), Bytes(size_t(rounds), 'r'));
}

} // namespace

TEST(FileAttack, LinksPlantedBesideAFileAreNeverFollowed)
{
    for (const GameFile& f : GAME_FILES) {
        SCOPED_TRACE(f.name);
        TempWorkingDir dir;
        const Bytes precious{'k', 'e', 'e', 'p'};
        WriteFileBytes("precious", precious);
        fs::create_symlink("precious", f.name + ".tmp");
        fs::create_symlink("absent", f.name + ".lock");
        Owners o;
        // With hscores.kvd missing, already the start-up writes it.
        f.load(o);
        EXPECT_TRUE(f.save(o));
        EXPECT_EQ(ReadFileBytes("precious"), precious);
        EXPECT_FALSE(FileExists("absent"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f.name)));
    }
}

TEST(FileAttack, FifosInTheFilesPlacesAreNeverWaitedOn)
{
    for (const GameFile& f : GAME_FILES) {
        SCOPED_TRACE(f.name);
        TempWorkingDir dir;
        for (const std::string& name : {f.name, f.name + ".tmp", f.name + ".lock"}) {
            ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
        }
        const int status = RunInChild(
            [&] {
                Owners o;
                EXPECT_FALSE(f.load(o));
                // Damaged, but kept until the player changes what the file holds.
                EXPECT_TRUE(fs::is_fifo(f.name));
                EXPECT_TRUE(f.save(o));
                EXPECT_TRUE(fs::is_regular_file(f.name));
            },
            CHILD_DEADLINE_SECONDS);
        EXPECT_EQ(status, 0);
    }
}

TEST(FileAttack, StaleTemporaryFilesBlockNoSaveAndOnlyTheGamesOwnGo)
{
    struct Stale
    {
        std::string suffix;
        bool folder;
        bool removed;
    };
    const Stale stales[] = {
        {".tmp", false, true}, // left read-only by an older build
        {".tmp-a1B2c3", false, true}, {".tmp", true, false},          {".tmp-a1B2c3", true, false},
        {".tmp-a1B2c", false, false}, {".tmp-a1B2c3~", false, false},
    };
    for (const GameFile& f : GAME_FILES) {
        for (const Stale& stale : stales) {
            const std::string name = f.name + stale.suffix;
            SCOPED_TRACE(name + (stale.folder ? " (folder)" : ""));
            TempWorkingDir dir;
            if (stale.folder) {
                fs::create_directory(name);
            } else {
                WriteFileBytes(name, Bytes{1});
                fs::permissions(name, fs::perms::owner_read);
            }
            Owners o;
            f.load(o);
            EXPECT_EQ(fs::exists(name), !stale.removed);
            EXPECT_TRUE(f.save(o));
        }
    }
}

TEST(FileAttack, FilesThatCannotBeReadAreKept)
{
    for (const GameFile& f : GAME_FILES) {
        SCOPED_TRACE(f.name);
        TempWorkingDir dir;
        Owners writer;
        ASSERT_TRUE(f.save(writer));
        const Bytes kept = ReadFileBytes(f.name);
        struct stat before;
        ASSERT_EQ(stat(f.name.c_str(), &before), 0);
        fs::permissions(f.name, fs::perms::none);
        fs::permissions(dir.path, fs::perms::all);
        // Root reads every file, and the suite runs as root on CI: the game runs as nobody.
        const int status = RunInChild(
            [&] {
                if (geteuid() == 0 && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) {
                    _exit(CANNOT_DROP_ROOT);
                }
                Owners o;
                EXPECT_FALSE(f.load(o));
                EXPECT_FALSE(f.save(o));
            },
            CHILD_DEADLINE_SECONDS);
        if (status == CANNOT_DROP_ROOT) {
            GTEST_SKIP() << "running as root without the right to become nobody (65534), so "
                            "no file is unreadable to this test";
        }
        EXPECT_EQ(status, 0);
        // The very same file: not even rewritten with the same bytes.
        struct stat after;
        ASSERT_EQ(stat(f.name.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(ReadFileBytes(f.name), kept);
    }
}

TEST(FileAttack, TwoGamesInOneFolderKeepEachOthersChanges)
{
    TempWorkingDir dir;
    const pid_t first = StartChild([] { PlayAlongside(0); });
    const pid_t second = StartChild([] { PlayAlongside(1); });
    ASSERT_EQ(WaitForChild(first, CHILD_DEADLINE_SECONDS), 0);
    ASSERT_EQ(WaitForChild(second, CHILD_DEADLINE_SECONDS), 0);

    std::vector<int32_t> entered;
    std::vector<std::string> kept;
    for (int game = 0; game < 2; ++game) {
        const int rounds = int(ReadFileBytes("rounds-" + std::to_string(game)).size());
        ASSERT_GE(rounds, 4);
        for (int round = 0; round < rounds; ++round) {
            entered.push_back(1000 + 2 * round + game);
        }
        for (int round = rounds - 4; round < rounds; ++round) {
            kept.push_back(PlayerName(game, round));
        }
    }
    std::sort(entered.rbegin(), entered.rend());
    HighScoreTable table;
    ASSERT_EQ(table.Load(), 1);
    EXPECT_EQ(std::vector<int32_t>(table.scores, table.scores + HIGH_SCORE_ENTRIES),
              std::vector<int32_t>(entered.begin(), entered.begin() + HIGH_SCORE_ENTRIES));
    PlayerList list;
    ASSERT_TRUE(list.Load());
    std::sort(list.players.begin(), list.players.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(list.players, kept);
}

class FileWarningTest : public HeadlessTest
{
};

TEST_F(FileWarningTest, AFailedSaveIsToldOnceUntilASaveSucceeds)
{
    for (const GameFile& f : GAME_FILES) {
        SCOPED_TRACE(f.name);
        TempWorkingDir dir;
        Owners o;
        const size_t before = headless.MessageBoxes().size();
        {
            FileSizeLimit full(0);
            EXPECT_FALSE(f.save(o));
            EXPECT_FALSE(f.save(o));
        }
        ASSERT_EQ(headless.MessageBoxes().size(), before + 1);
        const HeadlessBackend::MessageBoxRecord& box = headless.MessageBoxes().back();
        EXPECT_EQ(box.text, "Could not save " + f.name + ": File too large");
        EXPECT_EQ(box.caption, "TOBRIX++");
        EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_TRUE(f.save(o));
        {
            FileSizeLimit full(0);
            EXPECT_FALSE(f.save(o));
        }
        EXPECT_EQ(headless.MessageBoxes().size(), before + 2);
    }
}
