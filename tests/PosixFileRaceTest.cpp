#include "ChildProcess.h"
#include "FileBytes.h"
#include "GameFiles.h"
#include "HeadlessTest.h"
#include "SyncFaults.h"
#include "TempWorkingDir.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;
using std::chrono::milliseconds;

namespace {

const int CHILD_DEADLINE_SECONDS = 30;

} // namespace

class FileRaceTest : public HeadlessTest
{
};

// One game creates a player while its save is held up with the list's lock; then a second game
// creates another. The second waits for the first, or is told when it cannot, and either way no
// player that a game saved without being told goes missing.
TEST_F(FileRaceTest, AGameHoldingTheLockLongLosesNoPlayer)
{
    struct Holder
    {
        const char* what;
        milliseconds sync; // how long the holder's save syncs its file
        bool stopped;      // the holder is stopped, as by Ctrl+Z, until the second has given up
        bool readOnlyLock; // players.kvd.lock is another user's, which this user may only read
    };
    const Holder holders[] = {
        {"a save whose sync takes 4 s", milliseconds(4000), false, false},
        {"a game stopped while it saves", milliseconds(1000), true, false},
        {"a lock file this user may only read", milliseconds(1000), false, true},
    };
    for (const Holder& row : holders) {
        SCOPED_TRACE(row.what);
        TempWorkingDir dir;
        if (row.readOnlyLock) {
            if (RunInChild(RunAsOrdinaryUser, CHILD_DEADLINE_SECONDS) == CANNOT_DROP_ROOT) {
                GTEST_SKIP() << "running as root without the right to become nobody (65534)";
            }
            const std::string lockName = std::string(PLAYERS_FILE) + ".lock";
            WriteFileBytes(lockName, Bytes{});
            // When root, root's file of mode 0644 to the games running as nobody, as after one
            // start of the game with sudo; else the player's own file made read-only, which
            // refuses opening for writing all the same.
            fs::permissions(lockName, geteuid() == 0
                                          ? fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read | fs::perms::others_read
                                          : fs::perms::owner_read);
            fs::permissions(dir.path, fs::perms::all);
        }
        ChildSignal syncing;
        const pid_t holder = StartChild([&] {
            if (row.readOnlyLock) {
                RunAsOrdinaryUser();
            }
            SlowFileSync slow(row.sync, syncing.WriteEnd());
            PlayerList list;
            EXPECT_TRUE(list.Create("Holder"));
            EXPECT_FALSE(list.saveWarning.shown);
        });
        ASSERT_TRUE(syncing.Wait(CHILD_DEADLINE_SECONDS));
        if (row.stopped) {
            kill(holder, SIGSTOP);
        }
        const int second = RunInChild(
            [&] {
                if (row.readOnlyLock) {
                    RunAsOrdinaryUser();
                }
                PlayerList list;
                EXPECT_TRUE(list.Create("Second"));
                if (!row.stopped) {
                    EXPECT_TRUE(headless.MessageBoxes().empty());
                    return;
                }
                // Told once, the player kept in memory for this run.
                EXPECT_EQ(list.players, std::vector<std::string>{"Second"});
                ASSERT_EQ(headless.MessageBoxes().size(), 1u);
                EXPECT_EQ(headless.MessageBoxes()[0].text,
                          "Could not save players.kvd: another TOBRIX++ game is holding it");
            },
            CHILD_DEADLINE_SECONDS);
        kill(holder, SIGCONT);
        EXPECT_EQ(WaitForChild(holder, CHILD_DEADLINE_SECONDS), 0);
        EXPECT_EQ(second, 0);
        PlayerList onDisk;
        ASSERT_TRUE(onDisk.Load());
        const std::vector<std::string> both{"Holder", "Second"};
        EXPECT_EQ(onDisk.players, row.stopped ? std::vector<std::string>{"Holder"} : both);
    }
}

// A game starts while another saves. The start-up neither waits for the other game's lock nor
// takes the other game's temporary file for a crash's leftover.
TEST_F(FileRaceTest, StartingWhileAnotherGameSavesNeitherWaitsNorRemovesItsFile)
{
    struct Writer
    {
        std::string file;
        bool (*save)();
    };
    std::vector<Writer> writers;
    for (const GameFile& f : GAME_FILES) {
        writers.push_back({f.name, nullptr});
    }
    // A write without the game's lock, as builds before this one made after giving up waiting.
    writers.push_back({PLAYERS_FILE, [] { return WriteWholeFile(PLAYERS_FILE, Bytes(4, 0)); }});
    for (const Writer& writer : writers) {
        SCOPED_TRACE(writer.file + (writer.save ? " without the lock" : ""));
        TempWorkingDir dir;
        ChildSignal syncing;
        const pid_t saving = StartChild([&] {
            SlowFileSync slow(milliseconds(1000), syncing.WriteEnd());
            Owners o;
            for (const GameFile& f : GAME_FILES) {
                if (f.name == writer.file) {
                    EXPECT_TRUE(writer.save ? writer.save() : f.save(o));
                }
            }
        });
        ASSERT_TRUE(syncing.Wait(CHILD_DEADLINE_SECONDS));
        const auto start = std::chrono::steady_clock::now();
        Owners o;
        StartGame(o);
        const auto took = std::chrono::steady_clock::now() - start;
        // The other game's save lasts a second from here; this bound only tells waiting for it
        // from not waiting, on however loaded a machine.
        EXPECT_LT(took, milliseconds(500));
        EXPECT_EQ(dir.TempFileCount(writer.file), 1);
        EXPECT_EQ(WaitForChild(saving, CHILD_DEADLINE_SECONDS), 0);
        EXPECT_EQ(dir.TempFileCount(writer.file), 0);
        EXPECT_TRUE(fs::is_regular_file(writer.file));
    }
}
