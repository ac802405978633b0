#include "settings/PlayerList.h"
#include "FailingSaves.h"
#include "FileBytes.h"
#include "RandomBytes.h"
#include "TempWorkingDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> PlayersFile(int32_t count, const std::vector<std::string>& names)
{
    std::vector<unsigned char> bytes;
    AppendInt32(bytes, count);
    for (const std::string& name : names) {
        AppendNameField(bytes, name);
    }
    return bytes;
}

std::vector<std::string> Numbered(int n)
{
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) {
        names.push_back("Player " + std::to_string(i + 1));
    }
    return names;
}

void ExpectPlayers(const PlayerList& list, const std::vector<std::string>& names)
{
    EXPECT_EQ(list.players, names);
    EXPECT_EQ(list.count, int32_t(names.size()));
}

} // namespace

TEST(PlayerList, MissingFileLeavesTheListAndCreatesNothing)
{
    TempWorkingDir dir;
    PlayerList list;
    ExpectPlayers(list, {});
    list.Add("Kept");
    EXPECT_FALSE(list.Load());
    ExpectPlayers(list, {"Kept"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST(PlayerList, ThreePlayersFileImage)
{
    TempWorkingDir dir;
    PlayerList list;
    list.Add("Zoe");
    list.Add("Adam");
    list.Add("  Blanks first");
    ASSERT_TRUE(list.Save());
    const std::vector<unsigned char> file = ReadFileBytes("players.kvd");
    ASSERT_EQ(file.size(), 67u);
    EXPECT_EQ(file, PlayersFile(3, {"Zoe", "Adam", "  Blanks first"}));
    EXPECT_FALSE(FileExists("players.kvd.tmp"));

    PlayerList loaded;
    EXPECT_TRUE(loaded.Load());
    ExpectPlayers(loaded, {"Zoe", "Adam", "  Blanks first"});
    // Loading never writes.
    EXPECT_EQ(ReadFileBytes("players.kvd"), file);
}

TEST(PlayerList, CountsOutOfRangeAndEmptyNamesKeepAtMostTenNames)
{
    TempWorkingDir dir;
    PlayerList list;
    list.ReadBytes(PlayersFile(-1, Numbered(3)));
    ExpectPlayers(list, {});
    list.ReadBytes(PlayersFile(INT32_MIN, Numbered(3)));
    ExpectPlayers(list, {});

    list.ReadBytes(PlayersFile(12, Numbered(12)));
    ExpectPlayers(list, Numbered(10));
    list.ReadBytes(PlayersFile(INT32_MAX, Numbered(11)));
    ExpectPlayers(list, Numbered(10));

    // A count below the names there are reads only the announced ones.
    list.ReadBytes(PlayersFile(2, Numbered(5)));
    ExpectPlayers(list, Numbered(2));

    // Empty names are skipped; with a count above ten the first ten names there are stay.
    list.ReadBytes(PlayersFile(4, {"Zoe", "", "Bob", ""}));
    ExpectPlayers(list, {"Zoe", "Bob"});
    std::vector<std::string> names = Numbered(11);
    names.insert(names.begin() + 2, "");
    list.ReadBytes(PlayersFile(12, names));
    ExpectPlayers(list, Numbered(10));
}

TEST(PlayerList, FilesOfEveryLengthKeepTheCompleteNames)
{
    TempWorkingDir dir;
    const std::vector<unsigned char> full = PlayersFile(3, {"Zoe", "Adam", "Bob"});
    const std::vector<std::string> names = {"Zoe", "Adam", "Bob"};
    for (size_t length = 0; length <= full.size() + 30; ++length) {
        SCOPED_TRACE(length);
        std::vector<unsigned char> bytes = full;
        bytes.resize(length, 'q');
        WriteFileBytes("players.kvd", bytes);
        PlayerList list;
        EXPECT_TRUE(list.Load());
        size_t whole = length < 4 ? 0 : std::min<size_t>((length - 4) / 21, 3);
        ExpectPlayers(list, std::vector<std::string>(names.begin(), names.begin() + long(whole)));
        EXPECT_EQ(ReadFileBytes("players.kvd"), bytes);
    }
}

TEST(PlayerList, LongNamesAreCutToTwentyBytes)
{
    PlayerList list;
    list.Add("A name much longer than twenty bytes");
    // 18 bytes and a three-byte euro sign: the sign would end at byte 21.
    list.Add(std::string(18, 'e') + "\xE2\x82\xAC");
    ExpectPlayers(list, {"A name much longer t", std::string(18, 'e')});

    // A field holding 21 bytes without a zero is cut on loading.
    std::vector<unsigned char> bytes;
    AppendInt32(bytes, 1);
    bytes.insert(bytes.end(), 21, 'z');
    list.ReadBytes(bytes);
    ExpectPlayers(list, {std::string(20, 'z')});
}

TEST(PlayerList, ListsWrittenInTextModeAreRead)
{
    // Ten players make the count 0x0A; a name may hold a line feed too.
    std::vector<std::string> names = Numbered(10);
    names[4] = "line\nfeed";
    const std::vector<unsigned char> text = AsTextMode(PlayersFile(10, names));
    ASSERT_EQ(text.size(), 4u + 210u + 2u);
    PlayerList list;
    list.ReadBytes(text);
    ExpectPlayers(list, names);

    // A whole binary file is read as it is, even when it holds the pair.
    const std::vector<unsigned char> binary = PlayersFile(2, {"cr\r\nlf", "Bob"});
    list.ReadBytes(binary);
    ExpectPlayers(list, {"cr\r\nlf", "Bob"});

    // The text-mode form of a file whose restored form is no whole list (eleven names under a
    // count of ten) is read by the plain rules: the stored count 0D 0A 00 00 is out of range,
    // and its extra byte shifts every field by one, so each starts with the zero that ended the
    // one before and is skipped as empty.
    list.ReadBytes(AsTextMode(PlayersFile(10, Numbered(11))));
    ExpectPlayers(list, {});
}

TEST(PlayerList, RemoveTakesTheFirstExactMatch)
{
    PlayerList list;
    list.Add("Zoe");
    list.Add("zoe");
    list.Add("Adam");
    list.Add("Zoe");
    EXPECT_FALSE(list.Remove("ZOE"));
    EXPECT_FALSE(list.Remove(""));
    EXPECT_TRUE(list.Remove("Zoe"));
    ExpectPlayers(list, {"zoe", "Adam", "Zoe"});
    EXPECT_TRUE(list.Remove("Zoe"));
    ExpectPlayers(list, {"zoe", "Adam"});
}

TEST(PlayerList, FailedSaveKeepsTheOldFile)
{
    TempWorkingDir dir;
    const std::vector<unsigned char> old = PlayersFile(1, {"Old"});
    WriteFileBytes("players.kvd", old);
    FailingSaves failing("players.kvd");
    PlayerList list;
    ASSERT_TRUE(list.Load());
    list.Add("New");
    EXPECT_FALSE(list.Save());
    ExpectPlayers(list, {"Old", "New"});
    EXPECT_EQ(ReadFileBytes("players.kvd"), old);
}

TEST(PlayerList, RandomFilesNeverBreakTheListsLimits)
{
    TempWorkingDir dir;
    RandomBytes random(31337);
    std::vector<std::vector<unsigned char>> images;
    for (int i = 0; i < 64; ++i) {
        std::vector<std::string> names;
        for (size_t n = random.Pick(12); n > 0; --n) {
            names.push_back(std::string(random.Pick(22), char('a' + random.Pick(26))));
        }
        images.push_back(PlayersFile(int32_t(names.size()), names));
    }
    PlayerList list;
    int withNames = 0;
    for (int round = 0; round < 100000; ++round) {
        const std::vector<unsigned char> bytes = random.Next(images[random.Pick(images.size())]);
        list.ReadBytes(bytes);
        // Now and then the same bytes through the file, as the game opens it.
        if (round % 1000 == 0) {
            WriteFileBytes(PLAYERS_FILE, bytes);
            PlayerList loaded;
            ASSERT_TRUE(loaded.Load());
            ASSERT_EQ(loaded.players, list.players);
        }
        ASSERT_LE(list.count, PLAYERS_MAX);
        ASSERT_EQ(size_t(list.count), list.players.size());
        for (const std::string& name : list.players) {
            ASSERT_FALSE(name.empty());
            ASSERT_LE(name.size(), 20u);
            ASSERT_EQ(name.find('\0'), std::string::npos);
        }
        withNames += list.count > 0 ? 1 : 0;
    }
    EXPECT_GT(withNames, 20000);
}
