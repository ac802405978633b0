#include "settings/BinaryFile.h"
#include "FailingSaves.h"
#include "FileBytes.h"
#include "TempWorkingDir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(BinaryFile, WriteCreatesAndReplacesTheWholeFile)
{
    TempWorkingDir dir;
    ASSERT_TRUE(WriteWholeFile("data.kvd", Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ReadFileBytes("data.kvd"), (Bytes{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(WriteWholeFile("data.kvd", Bytes{9, 8}));
    EXPECT_EQ(ReadFileBytes("data.kvd"), (Bytes{9, 8}));
    ASSERT_TRUE(WriteWholeFile("data.kvd", Bytes{}));
    EXPECT_TRUE(FileExists("data.kvd"));
    EXPECT_TRUE(ReadFileBytes("data.kvd").empty());
    EXPECT_FALSE(FileExists("data.kvd.tmp"));

    Bytes read{7};
    EXPECT_TRUE(ReadWholeFile("data.kvd", read));
    EXPECT_TRUE(read.empty());
}

TEST(BinaryFile, FailedWriteKeepsTheOldFileAndSaysSo)
{
    TempWorkingDir dir;
    const Bytes old{0x11, 0x22, 0x33};
    WriteFileBytes("data.kvd", old);
    // The save fails; the temporary file does not stay behind.
    {
        FailingSaves failing("data.kvd");
        EXPECT_FALSE(WriteWholeFile("data.kvd", Bytes{1, 2, 3, 4}));
    }
    EXPECT_EQ(ReadFileBytes("data.kvd"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                            std::filesystem::directory_iterator()),
              1);

    EXPECT_FALSE(WriteWholeFile("no-such-dir/data.kvd", Bytes{1}));
    EXPECT_FALSE(FileExists("no-such-dir"));

    // A directory standing where the file should be cannot be replaced by a file; the
    // temporary file does not stay behind.
    std::filesystem::create_directories("folder.kvd/inside");
    EXPECT_FALSE(WriteWholeFile("folder.kvd", Bytes{1}));
    EXPECT_TRUE(std::filesystem::is_directory("folder.kvd/inside"));
    EXPECT_FALSE(FileExists("folder.kvd.tmp"));
}

TEST(BinaryFile, ReadFailsForMissingFilesAndDirectories)
{
    TempWorkingDir dir;
    Bytes bytes{1, 2};
    EXPECT_FALSE(ReadWholeFile("missing.kvd", bytes));
    EXPECT_TRUE(bytes.empty());
    std::filesystem::create_directory("folder.kvd");
    EXPECT_FALSE(ReadWholeFile("folder.kvd", bytes));
}

TEST(BinaryFile, NamesAreCutAtACharacterBoundary)
{
    EXPECT_EQ(CutName("Kirun"), "Kirun");
    EXPECT_EQ(CutName("abcdefghijklmnopqrst"), "abcdefghijklmnopqrst");
    EXPECT_EQ(CutName("abcdefghijklmnopqrstu"), "abcdefghijklmnopqrst");
    // 19 ASCII bytes then a two-byte "é": the "é" would straddle byte 20.
    EXPECT_EQ(CutName("abcdefghijklmnopqrs\xC3\xA9"), "abcdefghijklmnopqrs");
    // Ten "é" are exactly 20 bytes; an eleventh goes.
    std::string e10;
    for (int i = 0; i < 10; ++i) {
        e10 += "\xC3\xA9";
    }
    EXPECT_EQ(CutName(e10 + "\xC3\xA9"), e10);
    // 17 bytes then a four-byte character ending at byte 21.
    EXPECT_EQ(CutName("abcdefghijklmnopq\xF0\x9F\x98\x80"), "abcdefghijklmnopq");
    // 18 bytes then a three-byte character ending at byte 21.
    EXPECT_EQ(CutName("abcdefghijklmnopqr\xE2\x82\xAC"), "abcdefghijklmnopqr");
    // Not UTF-8 at all: a run of continuation bytes is cut at 20, never longer.
    EXPECT_EQ(CutName(std::string(25, '\x80')), std::string(20, '\x80'));
}

TEST(BinaryFile, NameFieldsAlwaysEndInZeros)
{
    Bytes bytes;
    PutName(bytes, "Zoe");
    PutName(bytes, "abcdefghijklmnopqrstuvwxyz");
    ASSERT_EQ(bytes.size(), 42u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "Zoe");
    for (size_t i = 3; i < 21; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    EXPECT_EQ(std::string(bytes.begin() + 21, bytes.begin() + 41), "abcdefghijklmnopqrst");
    EXPECT_EQ(bytes[41], 0);

    EXPECT_EQ(GetName(&bytes[0]), "Zoe");
    EXPECT_EQ(GetName(&bytes[21]), "abcdefghijklmnopqrst");
    // A field with no zero at all is read to its 21st byte and cut to 20.
    Bytes full(21, 'x');
    EXPECT_EQ(GetName(full.data()), std::string(20, 'x'));
    Bytes empty(21, 0);
    empty[5] = 'a';
    EXPECT_EQ(GetName(empty.data()), "");
}

TEST(BinaryFile, TextModeUndoesOnlyCarriageReturnLineFeedPairs)
{
    Bytes restored;
    EXPECT_FALSE(UndoTextMode(Bytes{1, 0x0A, 0x0D, 2}, restored));
    EXPECT_EQ(restored, (Bytes{1, 0x0A, 0x0D, 2}));
    EXPECT_TRUE(UndoTextMode(Bytes{0x0D, 0x0A, 0, 0x0D, 0x0D, 0x0A, 0x0A, 0x0D}, restored));
    EXPECT_EQ(restored, (Bytes{0x0A, 0, 0x0D, 0x0A, 0x0A, 0x0D}));
    EXPECT_FALSE(UndoTextMode(Bytes{}, restored));
    EXPECT_TRUE(restored.empty());
}
