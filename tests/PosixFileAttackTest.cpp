#include "ChildProcess.h"
#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "GameFiles.h"
#include "HeadlessTest.h"
#include "SyncFaults.h"
#include "TempWorkingDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int CHILD_DEADLINE_SECONDS = 30;

std::string PlayerName(int game, int round)
{
    return "p" + std::to_string(game) + "-" + std::to_string(round);
}

// One of several games in the same folder: until the end it enters a rising score, creates a
// player and deletes the one it created some rounds before, so that all the games' players fit
// the list; it checks that no save failed and that every file it reads meanwhile is whole. Its
// number of rounds goes to rounds-N.
void PlayAlongside(int game, int games, std::chrono::steady_clock::time_point end)
{
    const int kept = PLAYERS_MAX / games - 1;
    HighScoreTable table;
    table.Load();
    PlayerList list;
    list.Load();
    int rounds = 0;
    for (; std::chrono::steady_clock::now() < end && !::testing::Test::HasFailure(); ++rounds) {
        table.Insert(1000 + games * rounds + game, "p");
        EXPECT_TRUE(list.Create(PlayerName(game, rounds)));
        if (rounds >= kept) {
            EXPECT_TRUE(list.Delete(PlayerName(game, rounds - kept)));
        }
        EXPECT_FALSE(table.saveWarning.shown || list.saveWarning.shown);
        HighScoreTable reader;
        const Bytes scores = ReadFileBytes(HIGH_SCORES_FILE);
        EXPECT_TRUE(scores.size() == HIGH_SCORES_FILE_SIZE && reader.ReadBytes(scores));
        const Bytes players = ReadFileBytes(PLAYERS_FILE);
        ASSERT_GE(players.size(), 4u);
        EXPECT_EQ(players.size(), 4 + NAME_FIELD_SIZE * size_t(GetInt32(players.data())));
    }
    WriteFileBytes("rounds-" + std::to_string(game), Bytes(size_t(rounds), 'r'));
}

// Plays the games alongside each other for the given seconds, stopping one of them now and
// then when asked, as by Ctrl+Z, for 1 to 4 s: longer than a save takes, shorter than a change
// waits. Then the files must hold every game's last players and the five best scores entered.
void ExpectGamesKeepEachOthersChanges(int games, int seconds, bool stopping)
{
    TempWorkingDir dir;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    std::vector<pid_t> running;
    for (int game = 0; game < games; ++game) {
        // On a disk whose syncs take 10 ms, as many do, a stop often falls in the middle of a
        // save, when the game holds a lock.
        running.push_back(StartChild([&] {
            SlowFileSync disk(std::chrono::milliseconds(stopping ? 10 : 0), -1);
            PlayAlongside(game, games, end);
        }));
    }
    std::minstd_rand random(20240611);
    int stops = 0;
    for (; stopping && std::chrono::steady_clock::now() < end; ++stops) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200 + random() % 800));
        const pid_t stopped = running[random() % running.size()];
        kill(stopped, SIGSTOP);
        // A stop ends with the play, so that the test lasts as long as it was asked to.
        std::this_thread::sleep_until(
            std::min(end, std::chrono::steady_clock::now() +
                              std::chrono::milliseconds(1000 + random() % 3000)));
        kill(stopped, SIGCONT);
    }
    for (pid_t game : running) {
        ASSERT_EQ(WaitForChild(game, CHILD_DEADLINE_SECONDS), 0);
    }

    const int kept = PLAYERS_MAX / games - 1;
    std::vector<int32_t> entered;
    std::vector<std::string> last;
    for (int game = 0; game < games; ++game) {
        const int rounds = int(ReadFileBytes("rounds-" + std::to_string(game)).size());
        std::printf("game %d of %d: %d rounds\n", game + 1, games, rounds);
        ASSERT_GE(rounds, kept);
        for (int round = 0; round < rounds; ++round) {
            entered.push_back(1000 + games * round + game);
        }
        for (int round = rounds - kept; round < rounds; ++round) {
            last.push_back(PlayerName(game, round));
        }
    }
    if (stopping) {
        std::printf("%d stops in %d s\n", stops, seconds);
    }
    std::sort(entered.rbegin(), entered.rend());
    HighScoreTable table;
    ASSERT_EQ(table.Load(), 1);
    EXPECT_EQ(std::vector<int32_t>(table.scores, table.scores + HIGH_SCORE_ENTRIES),
              std::vector<int32_t>(entered.begin(), entered.begin() + HIGH_SCORE_ENTRIES));
    PlayerList list;
    ASSERT_TRUE(list.Load());
    std::sort(list.players.begin(), list.players.end());
    std::sort(last.begin(), last.end());
    EXPECT_EQ(list.players, last);
}

// `make soak` runs a minute; the suite a quarter of it, time for several stops to fall in the
// middle of saves.
int SoakSeconds()
{
    const char* asked = std::getenv("TOBRIX_SOAK_SECONDS");
    return asked ? std::max(1, std::atoi(asked)) : 15;
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
        Owners o;
        // With hscores.kvd missing, already the start-up writes it.
        f.load(o);
        EXPECT_TRUE(f.save(o));
        EXPECT_EQ(ReadFileBytes("precious"), precious);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f.name)));
    }
}

TEST(FileAttack, FifosInTheFilesPlacesAreNeverWaitedOn)
{
    for (const GameFile& f : GAME_FILES) {
        SCOPED_TRACE(f.name);
        TempWorkingDir dir;
        for (const std::string& name : {f.name, f.name + ".tmp"}) {
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

TEST(FileAttack, TwoGamesInOneFolderKeepEachOthersChanges)
{
    ExpectGamesKeepEachOthersChanges(2, 2, false);
}

TEST(FileSoak, ThreeGamesOneStoppedNowAndThenLoseNothing)
{
    ExpectGamesKeepEachOthersChanges(3, SoakSeconds(), true);
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
        {
            // The file is saved once it is renamed, whether its folder can be synced or not.
            FailingFolderSync folder(EIO);
            EXPECT_TRUE(f.save(o));
        }
        EXPECT_EQ(headless.MessageBoxes().size(), before + 1);
        {
            FileSizeLimit full(0);
            EXPECT_FALSE(f.save(o));
        }
        EXPECT_EQ(headless.MessageBoxes().size(), before + 2);
    }
}

TEST_F(FileWarningTest, FilesThisUserMayNotReadOrWriteAreKept)
{
    // Root reads and writes every file, and the suite runs as root on CI: the game then runs as
    // nobody, who owns the files of the rows whose owner is the player.
    struct Kept
    {
        fs::perms mode;
        bool playersOwn; // else another user's file in a shared folder
        bool loads;
    };
    const fs::perms readable =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const Kept rows[] = {
        {fs::perms::none, true, false},
        {readable, true, true}, // how a player freezes a table
        {readable | fs::perms::owner_write, false, true},
    };
    const bool root = geteuid() == 0;
    for (const GameFile& f : GAME_FILES) {
        for (const Kept& row : rows) {
            SCOPED_TRACE(f.name + (row.playersOwn ? " (own)" : " (another user's)"));
            if (!row.playersOwn && !root) {
                continue; // only root can give the file to another user
            }
            TempWorkingDir dir;
            Owners writer;
            ASSERT_TRUE(f.save(writer));
            const Bytes kept = ReadFileBytes(f.name);
            fs::permissions(f.name, row.mode);
            fs::permissions(dir.path, fs::perms::all);
            if (root && row.playersOwn) {
                ASSERT_EQ(chown(f.name.c_str(), NOBODY, NOBODY), 0);
            }
            struct stat before;
            ASSERT_EQ(stat(f.name.c_str(), &before), 0);
            const int status = RunInChild(
                [&] {
                    RunAsOrdinaryUser();
                    Owners o;
                    EXPECT_EQ(f.load(o), row.loads);
                    EXPECT_FALSE(f.save(o));
                    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
                    EXPECT_EQ(headless.MessageBoxes()[0].text,
                              "Could not save " + f.name + ": Permission denied");
                },
                CHILD_DEADLINE_SECONDS);
            if (status == CANNOT_DROP_ROOT) {
                GTEST_SKIP() << "running as root without the right to become nobody (65534), so "
                                "no file is unreadable or read-only to this test";
            }
            EXPECT_EQ(status, 0);
            // The very same file, mode and bytes: not even rewritten with the same bytes.
            struct stat after;
            ASSERT_EQ(stat(f.name.c_str(), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(ReadFileBytes(f.name), kept);
        }
    }
}

TEST_F(FileWarningTest, ALockFileThatIsNoRegularFileStopsTheChangeUnopened)
{
    struct Planted
    {
        const char* what;
        void (*plant)(const std::string& lockName);
        const char* watched; // what an open of the lock file would reach
    };
    const Planted kinds[] = {
        {"FIFO", [](const std::string& lock) { ASSERT_EQ(mkfifo(lock.c_str(), 0666), 0); }, ""},
        {"link", [](const std::string& lock) { fs::create_symlink("precious", lock); }, "precious"},
        {"dangling link", [](const std::string& lock) { fs::create_symlink("absent", lock); }, ""},
        {"folder", [](const std::string& lock) { fs::create_directory(lock); }, ""},
    };
    const Bytes precious{'k', 'e', 'e', 'p'};
    for (const GameFile& f : GAME_FILES) {
        for (const Planted& kind : kinds) {
            SCOPED_TRACE(f.name + ".lock as a " + kind.what);
            TempWorkingDir dir;
            WriteFileBytes("precious", precious);
            const std::string lockName = f.name + ".lock";
            kind.plant(lockName);
            const std::string watched = *kind.watched ? kind.watched : lockName;
            const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
            ASSERT_GE(inotify_add_watch(opens, watched.c_str(), IN_OPEN | IN_DONT_FOLLOW), 0);
            const int status = RunInChild(
                [&] {
                    Owners o;
                    f.load(o);
                    EXPECT_FALSE(f.save(o));
                    // With hscores.kvd missing, already the start-up tried to write it.
                    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
                    EXPECT_EQ(headless.MessageBoxes()[0].text, "Could not save " + f.name + ": " +
                                                                   lockName +
                                                                   " is not a regular file");
                },
                CHILD_DEADLINE_SECONDS);
            EXPECT_EQ(status, 0);
            alignas(inotify_event) char events[4096];
            const ssize_t got = read(opens, events, sizeof events);
            EXPECT_TRUE(got < 0 && errno == EAGAIN) << "the lock file was opened";
            close(opens);
            EXPECT_FALSE(FileExists(f.name));
            EXPECT_EQ(ReadFileBytes("precious"), precious);
            EXPECT_FALSE(FileExists("absent"));
        }
    }
}
