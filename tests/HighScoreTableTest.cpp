#include "settings/HighScoreTable.h"
#include "FailingSaves.h"
#include "FileBytes.h"
#include "RandomBytes.h"
#include "TempWorkingDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string KIRUN = std::string(15, ' ') + "Kirun";

struct Entry
{
    std::string name;
    int32_t score;
};

std::vector<unsigned char> TableFile(const std::vector<Entry>& entries)
{
    std::vector<unsigned char> bytes;
    for (const Entry& e : entries) {
        AppendNameField(bytes, e.name);
        AppendInt32(bytes, e.score);
    }
    return bytes;
}

std::vector<unsigned char> DefaultTableFile()
{
    return TableFile({{KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}});
}

std::string Padded(const std::string& name)
{
    return std::string(20 - name.size(), ' ') + name;
}

void ExpectTable(const HighScoreTable& table, const std::vector<Entry>& entries)
{
    ASSERT_EQ(entries.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table.names[i], entries[size_t(i)].name) << "entry " << i;
        EXPECT_EQ(table.scores[i], entries[size_t(i)].score) << "entry " << i;
    }
}

void ExpectDefaultTable(const HighScoreTable& table)
{
    ExpectTable(table, {{KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}});
}

// A table of scores 50, 40, 40, 30, 20 under the names A to E, loaded from its file.
void LoadFiveScores(HighScoreTable& table)
{
    WriteFileBytes("hscores.kvd", TableFile({{Padded("A"), 50},
                                             {Padded("B"), 40},
                                             {Padded("C"), 40},
                                             {Padded("D"), 30},
                                             {Padded("E"), 20}}));
    ASSERT_EQ(table.Load(), 1);
}

} // namespace

TEST(HighScoreTable, FirstRunCreatesTheDefaultTable)
{
    TempWorkingDir dir;
    HighScoreTable table;
    for (const std::string& name : table.names) {
        EXPECT_EQ(name, "");
    }
    EXPECT_EQ(table.Load(), 0);
    ExpectDefaultTable(table);
    const std::vector<unsigned char> file = ReadFileBytes("hscores.kvd");
    ASSERT_EQ(file.size(), 125u);
    EXPECT_EQ(file, DefaultTableFile());
    EXPECT_FALSE(FileExists("hscores.kvd.tmp"));

    // The file it made reads back as a table.
    HighScoreTable again;
    EXPECT_EQ(again.Load(), 1);
    ExpectDefaultTable(again);
}

TEST(HighScoreTable, LoadTakesAWholeFileWithoutRewritingIt)
{
    TempWorkingDir dir;
    std::vector<unsigned char> file = TableFile({{Padded("Zoe"), 900},
                                                 {"   padded already", 75},
                                                 {"", 12},
                                                 {Padded("Adam"), 3},
                                                 {Padded("Adam"), 0}});
    // Bytes after a name's zero are not part of it.
    file[21 * 1 + 4 * 1 + 19] = 'x';
    WriteFileBytes("hscores.kvd", file);
    HighScoreTable table;
    EXPECT_EQ(table.Load(), 1);
    ExpectTable(table, {{Padded("Zoe"), 900},
                        {Padded("   padded already"), 75},
                        {std::string(20, ' '), 12},
                        {Padded("Adam"), 3},
                        {Padded("Adam"), 0}});
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), file);
}

TEST(HighScoreTable, ScoresOutOfOrderAreSortedBestFirstKeepingTies)
{
    TempWorkingDir dir;
    WriteFileBytes("hscores.kvd", TableFile({{Padded("a"), 5},
                                             {Padded("b"), 70},
                                             {Padded("c"), 5},
                                             {Padded("d"), 70},
                                             {Padded("e"), 6}}));
    HighScoreTable table;
    EXPECT_EQ(table.Load(), 1);
    ExpectTable(table, {{Padded("b"), 70},
                        {Padded("d"), 70},
                        {Padded("e"), 6},
                        {Padded("a"), 5},
                        {Padded("c"), 5}});
}

TEST(HighScoreTable, DamagedFilesOfEveryLengthResetTheTable)
{
    TempWorkingDir dir;
    const std::vector<unsigned char> good = TableFile(
        {{Padded("p"), 9}, {Padded("q"), 8}, {Padded("r"), 7}, {Padded("s"), 6}, {Padded("t"), 5}});
    for (size_t length = 0; length <= HIGH_SCORES_FILE_SIZE + 30; ++length) {
        SCOPED_TRACE(length);
        std::vector<unsigned char> bytes = good;
        bytes.resize(length, 0x41);
        WriteFileBytes("hscores.kvd", bytes);
        HighScoreTable table;
        if (length < HIGH_SCORES_FILE_SIZE) {
            // Three complete records are no better than none: all five entries are reset.
            EXPECT_EQ(table.Load(), 0);
            ExpectDefaultTable(table);
            EXPECT_EQ(ReadFileBytes("hscores.kvd"), DefaultTableFile());
        } else {
            // Bytes after the fifth record are ignored.
            EXPECT_EQ(table.Load(), 1);
            EXPECT_EQ(table.TableBytes(), good);
            EXPECT_EQ(ReadFileBytes("hscores.kvd"), bytes);
        }
    }

    // A negative score anywhere damages the whole file.
    for (int32_t bad : {-1, INT32_MIN}) {
        WriteFileBytes("hscores.kvd", TableFile({{Padded("a"), 50},
                                                 {Padded("b"), bad},
                                                 {Padded("c"), 30},
                                                 {Padded("d"), 20},
                                                 {Padded("e"), 10}}));
        HighScoreTable table;
        EXPECT_EQ(table.Load(), 0);
        ExpectDefaultTable(table);
        EXPECT_EQ(ReadFileBytes("hscores.kvd"), DefaultTableFile());
    }
}

TEST(HighScoreTable, LongNamesInTheFileAreCutToTwentyBytes)
{
    TempWorkingDir dir;
    std::vector<unsigned char> file = DefaultTableFile();
    // A first field with no zero byte at all, a second that ends in a split two-byte character.
    for (size_t i = 0; i < 21; ++i) {
        file[i] = static_cast<unsigned char>('a' + i);
    }
    const std::string utf8 = std::string(19, 'x') + "\xC3\xA9";
    for (size_t i = 0; i < 21; ++i) {
        file[25 + i] = static_cast<unsigned char>(utf8[i]);
    }
    WriteFileBytes("hscores.kvd", file);
    HighScoreTable table;
    EXPECT_EQ(table.Load(), 1);
    EXPECT_EQ(table.names[0], "abcdefghijklmnopqrst");
    EXPECT_EQ(table.names[1], " " + std::string(19, 'x'));
}

TEST(HighScoreTable, TablesWrittenInTextModeAreRead)
{
    TempWorkingDir dir;
    // Scores of 10 and 266 hold a byte 0x0A; a name may hold one too.
    const std::vector<unsigned char> binary = TableFile({{Padded("line\nfeed"), 266},
                                                         {Padded("b"), 10},
                                                         {Padded("c"), 10},
                                                         {KIRUN, 0},
                                                         {KIRUN, 0}});
    WriteFileBytes("hscores.kvd", AsTextMode(binary));
    HighScoreTable table;
    EXPECT_EQ(table.Load(), 1);
    EXPECT_EQ(table.TableBytes(), binary);
    EXPECT_EQ(table.names[0], Padded("line\nfeed"));
    EXPECT_EQ(table.scores[1], 10);
    // The file is left as it was until the table changes.
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), AsTextMode(binary));
    ASSERT_TRUE(table.Insert(11, "new"));
    EXPECT_EQ(ReadFileBytes("hscores.kvd").size(), 125u);

    // Line ends that do not give a whole table leave the first 125 bytes as the table.
    std::vector<unsigned char> trailing = binary;
    trailing.insert(trailing.end(), {0x0D, 0x0A, 0x0D, 0x0A});
    WriteFileBytes("hscores.kvd", trailing);
    HighScoreTable other;
    EXPECT_EQ(other.Load(), 1);
    EXPECT_EQ(other.TableBytes(), binary);
}

TEST(HighScoreTable, InsertPlacesANewScoreBelowEqualOnes)
{
    TempWorkingDir dir;
    HighScoreTable table;
    LoadFiveScores(table);
    EXPECT_TRUE(table.Insert(40, "Newcomer"));
    ExpectTable(table, {{Padded("A"), 50},
                        {Padded("B"), 40},
                        {Padded("C"), 40},
                        {Padded("Newcomer"), 40},
                        {Padded("D"), 30}});
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), table.TableBytes());

    EXPECT_TRUE(table.Insert(99, ""));
    EXPECT_EQ(table.names[0], std::string(20, ' '));
    EXPECT_EQ(table.scores[0], 99);
    EXPECT_EQ(table.scores[4], 40);
    EXPECT_EQ(table.names[4], Padded("Newcomer"));
}

TEST(HighScoreTable, AScoreThatDoesNotEnterWritesNothing)
{
    TempWorkingDir dir;
    HighScoreTable table;
    LoadFiveScores(table);
    const std::vector<unsigned char> marker(7, 0x5A);
    WriteFileBytes("hscores.kvd", marker);
    EXPECT_FALSE(table.Insert(20, "Equal"));
    EXPECT_FALSE(table.Insert(-5, "Below"));
    EXPECT_EQ(table.scores[4], 20);
    EXPECT_EQ(table.names[4], Padded("E"));
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), marker);

    HighScoreTable fresh;
    EXPECT_EQ(fresh.Load(), 0);
    WriteFileBytes("hscores.kvd", marker);
    EXPECT_FALSE(fresh.Insert(0, "Nobody"));
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), marker);
    EXPECT_TRUE(fresh.Insert(1, "Somebody"));
    ExpectTable(fresh, {{Padded("Somebody"), 1}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}, {KIRUN, 0}});
}

TEST(HighScoreTable, InsertedNamesAreCutAndRightAligned)
{
    TempWorkingDir dir;
    HighScoreTable table;
    table.Reset();
    EXPECT_TRUE(table.Insert(5, "A name much longer than twenty bytes"));
    EXPECT_EQ(table.names[0], "A name much longer t");
    // Nine "é" (18 bytes) and a euro sign (3 bytes) would make 21: the euro sign goes.
    std::string accents;
    for (int i = 0; i < 9; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_TRUE(table.Insert(6, accents + "\xE2\x82\xAC"));
    EXPECT_EQ(table.names[0], "  " + accents);
    const std::vector<unsigned char> file = ReadFileBytes("hscores.kvd");
    EXPECT_EQ(file[20], 0);
    EXPECT_EQ(file[45], 0);
}

TEST(HighScoreTable, ShowTextHasOneLinePerEntry)
{
    TempWorkingDir dir;
    HighScoreTable table;
    table.Reset();
    const std::string kirunLine = KIRUN + "\t    0\n";
    EXPECT_EQ(table.ShowText(), kirunLine + kirunLine + kirunLine + kirunLine + kirunLine);

    table.Insert(123456, "Zoe");
    table.Insert(42, "Adam");
    EXPECT_EQ(table.ShowText(), Padded("Zoe") + "\t123456\n" + Padded("Adam") + "\t   42\n" +
                                    kirunLine + kirunLine + kirunLine);
}

TEST(HighScoreTable, WindowsNamesAreShownDecodedAndKeepTheirBytes)
{
    TempWorkingDir dir;
    std::vector<unsigned char> file = DefaultTableFile();
    file[19] = 0xE9; // "Kiru\xE9" as the Windows game wrote it
    WriteFileBytes("hscores.kvd", file);
    HighScoreTable table;
    ASSERT_EQ(table.Load(), 1);
    EXPECT_EQ(table.ShowText().substr(0, 22), std::string(15, ' ') + "Kiru\xC3\xA9\t");
    ASSERT_TRUE(table.Insert(3, "Zoe"));
    const std::vector<unsigned char> written = ReadFileBytes("hscores.kvd");
    ASSERT_EQ(written.size(), 125u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 25, written.begin() + 25));
}

TEST(HighScoreTable, FailedWritesLeaveTheOldFile)
{
    TempWorkingDir dir;
    HighScoreTable table;
    LoadFiveScores(table);
    const std::vector<unsigned char> old = ReadFileBytes("hscores.kvd");
    {
        FailingSaves failing("hscores.kvd");
        EXPECT_FALSE(table.Save());
        // The score still gets into the table; only the file stays behind.
        EXPECT_TRUE(table.Insert(60, "Zoe"));
        EXPECT_EQ(table.scores[0], 60);
        EXPECT_FALSE(table.Reset());
        ExpectDefaultTable(table);
    }
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), old);

    // A damaged file that cannot be rewritten still gives the default table in memory.
    const std::vector<unsigned char> damaged(30, 1);
    WriteFileBytes("hscores.kvd", damaged);
    HighScoreTable other;
    {
        FailingSaves failing("hscores.kvd");
        EXPECT_EQ(other.Load(), 0);
    }
    ExpectDefaultTable(other);
    EXPECT_EQ(ReadFileBytes("hscores.kvd"), damaged);
}

TEST(HighScoreTable, RandomFilesNeverGiveADisorderedTable)
{
    TempWorkingDir dir;
    RandomBytes random(7741);
    std::vector<std::vector<unsigned char>> images;
    for (int i = 0; i < 64; ++i) {
        std::vector<Entry> entries;
        for (int e = 0; e < 5; ++e) {
            std::string name(random.Pick(22), 'n');
            entries.push_back({name, int32_t(random.Pick(3) == 0 ? random.Pick(300) : 10)});
        }
        images.push_back(TableFile(entries));
    }
    // A rejected string must leave the table as it was: it starts as the default table and is
    // set back to it after every string that is taken.
    HighScoreTable table;
    HighScoreTable defaults;
    for (int i = 0; i < 5; ++i) {
        defaults.names[i] = KIRUN;
        defaults.scores[i] = 0;
    }
    table = defaults;
    int taken = 0;
    for (int round = 0; round < 100000; ++round) {
        const std::vector<unsigned char> bytes = random.Next(images[random.Pick(images.size())]);
        const bool read = table.ReadBytes(bytes);
        // Now and then the same bytes through the file, as the game opens it.
        if (round % 1000 == 0) {
            WriteFileBytes(HIGH_SCORES_FILE, bytes);
            HighScoreTable loaded;
            ASSERT_EQ(loaded.Load(), read ? 1 : 0);
            ASSERT_EQ(loaded.TableBytes(), table.TableBytes());
        }
        if (!read) {
            for (int i = 0; i < 5; ++i) {
                ASSERT_TRUE(table.names[i] == KIRUN && table.scores[i] == 0);
            }
            continue;
        }
        ++taken;
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(table.names[i].size(), 20u);
            ASSERT_EQ(table.names[i].find('\0'), std::string::npos);
            ASSERT_GE(table.scores[i], 0);
            if (i > 0) {
                ASSERT_LE(table.scores[i], table.scores[i - 1]);
            }
        }
        table = defaults;
    }
    EXPECT_GT(taken, 20000);
    EXPECT_LT(taken, 80000);
}
