#include "settings/PreferenceValues.h"
#include "FailingSaves.h"
#include "FileBytes.h"
#include "RandomBytes.h"
#include "TempWorkingDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The three pages' values as the sheet holds them, with the sheet's operations over them.
struct Sheet
{
    PlayingValues playing;
    AnimationValues animation;
    RewardingValues rewarding;
    PreferenceValues values{playing, animation, rewarding};
};

std::vector<unsigned char> DefaultsFile(int32_t cols, int32_t rows, int32_t added, int32_t line,
                                        int32_t colors)
{
    std::vector<unsigned char> bytes;
    for (int32_t v : {cols, rows, added, line, colors}) {
        AppendInt32(bytes, v);
    }
    return bytes;
}

void ExpectFactoryPlaying(const PlayingValues& p)
{
    EXPECT_EQ(p.colsIndex, 4);
    EXPECT_EQ(p.rowsIndex, 4);
    EXPECT_EQ(p.addedIndex, 2);
    EXPECT_EQ(p.lineIndex, 2);
    EXPECT_EQ(p.colorsIndex, 5);
    EXPECT_EQ(p.square, 1);
}

bool InRange(const PlayingValues& p)
{
    return p.colsIndex >= 0 && p.colsIndex < 16 && p.rowsIndex >= 0 && p.rowsIndex < 16 &&
           p.addedIndex >= 0 && p.addedIndex < 5 && p.lineIndex >= 0 && p.lineIndex < 5 &&
           p.colorsIndex >= 0 && p.colorsIndex < 8;
}

} // namespace

TEST(PreferenceValues, FirstRunGivesTheFactoryGameAndCreatesNoFile)
{
    TempWorkingDir dir;
    Sheet s;
    GameSettings settings;
    EXPECT_TRUE(s.values.LoadDefaults(settings));
    ExpectFactoryPlaying(s.playing);
    EXPECT_EQ(settings.boardCols, 9);
    EXPECT_EQ(settings.boardRows, 9);
    EXPECT_EQ(settings.addedPieces, 3);
    EXPECT_EQ(settings.lineLength, 5);
    EXPECT_EQ(settings.colorCount, 6);
    EXPECT_EQ(settings.fadeSpeed, 3);
    EXPECT_EQ(settings.travelSpeed, 3);
    EXPECT_EQ(settings.rewardEnabled, 1);
    EXPECT_EQ(settings.rewardPile, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
}

TEST(PreferenceValues, SavedDefaultsComeBackWithSquareUnchecked)
{
    TempWorkingDir dir;
    Sheet saved;
    saved.playing.SetFactoryValues();
    saved.playing.colsIndex = 7;
    saved.playing.rowsIndex = 7;
    saved.playing.addedIndex = 4;
    saved.playing.lineIndex = 0;
    saved.playing.colorsIndex = 7;
    ASSERT_TRUE(saved.playing.WriteDefaultsFile());
    EXPECT_EQ(ReadFileBytes("defaults.kvd"), DefaultsFile(7, 7, 4, 0, 7));

    Sheet s;
    GameSettings settings;
    s.values.LoadDefaults(settings);
    EXPECT_EQ(s.playing.square, 0);
    EXPECT_EQ(settings.boardCols, 12);
    EXPECT_EQ(settings.boardRows, 12);
    EXPECT_EQ(settings.addedPieces, 5);
    EXPECT_EQ(settings.lineLength, 3);
    EXPECT_EQ(settings.colorCount, 8);
    // The animation and reward values are never stored: each run starts from the same ones.
    EXPECT_EQ(settings.fadeSpeed, 3);
    EXPECT_EQ(settings.travelSpeed, 3);
    EXPECT_EQ(settings.rewardEnabled, 1);
    EXPECT_EQ(settings.rewardPile, 1);
}

TEST(PreferenceValues, FactoryDefaultsFileImage)
{
    TempWorkingDir dir;
    // Whatever the file held before, saving leaves exactly the 20 bytes.
    WriteFileBytes("defaults.kvd", std::vector<unsigned char>(57, 0x33));
    PlayingValues p;
    p.SetFactoryValues();
    ASSERT_TRUE(p.WriteDefaultsFile());
    EXPECT_EQ(
        ReadFileBytes("defaults.kvd"),
        (std::vector<unsigned char>{4, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0}));
    EXPECT_FALSE(FileExists("defaults.kvd.tmp"));
}

TEST(PreferenceValues, FillSettingsConvertsThePageValues)
{
    Sheet s;
    s.playing.colsIndex = 7;
    s.playing.rowsIndex = 2;
    s.playing.addedIndex = 0;
    s.playing.lineIndex = 4;
    s.playing.colorsIndex = 0;
    s.playing.square = 1;
    s.animation.fadeEnabled = 1;
    s.animation.fadeSlider = 4;
    s.animation.travelEnabled = 0;
    s.animation.travelSlider = 2;
    s.rewarding.rewardEnabled = 1;
    s.rewarding.rewardMode = -1;
    GameSettings settings;
    GameSettings& filled = s.values.FillSettings(settings);
    EXPECT_EQ(&filled, &settings);
    EXPECT_EQ(settings.boardCols, 12);
    EXPECT_EQ(settings.boardRows, 12); // square: the rows list is ignored
    EXPECT_EQ(settings.addedPieces, 1);
    EXPECT_EQ(settings.lineLength, 7);
    EXPECT_EQ(settings.colorCount, 1);
    EXPECT_EQ(settings.fadeSpeed, 4);
    EXPECT_EQ(settings.travelSpeed, 0);
    EXPECT_EQ(settings.rewardEnabled, 1);
    EXPECT_EQ(settings.rewardPile, 1); // no radio button checked counts as "Pile"

    s.playing.square = 0;
    s.animation.fadeEnabled = 0;
    s.rewarding.rewardEnabled = 0;
    s.rewarding.rewardMode = REWARD_IMMEDIATELY;
    s.values.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, 12);
    EXPECT_EQ(settings.boardRows, 7); // a non-square board
    EXPECT_EQ(settings.fadeSpeed, 0);
    EXPECT_EQ(settings.travelSpeed, 0);
    EXPECT_EQ(settings.rewardEnabled, 0);
    EXPECT_EQ(settings.rewardPile, 0);

    // Switching an animation back on brings back its slider's speed.
    s.animation.travelEnabled = 1;
    s.rewarding.rewardMode = REWARD_PILE;
    s.values.FillSettings(settings);
    EXPECT_EQ(settings.travelSpeed, 2);
    EXPECT_EQ(settings.fadeSpeed, 0);
    EXPECT_EQ(settings.rewardPile, 1);
}

TEST(PreferenceValues, DamagedDefaultsFilesGiveTheFactoryValues)
{
    TempWorkingDir dir;
    const std::vector<unsigned char> good = DefaultsFile(15, 0, 4, 4, 7);
    for (size_t length = 0; length <= DEFAULTS_FILE_SIZE + 30; ++length) {
        std::vector<unsigned char> bytes(length, 0);
        for (size_t i = 0; i < length; ++i) {
            bytes[i] = good[i % good.size()];
        }
        WriteFileBytes("defaults.kvd", bytes);
        PlayingValues p;
        p.ReadDefaultsFile();
        if (length == DEFAULTS_FILE_SIZE) {
            EXPECT_EQ(p.colsIndex, 15);
            EXPECT_EQ(p.rowsIndex, 0);
            EXPECT_EQ(p.addedIndex, 4);
            EXPECT_EQ(p.lineIndex, 4);
            EXPECT_EQ(p.colorsIndex, 7);
            EXPECT_EQ(p.square, 0);
        } else {
            SCOPED_TRACE(length);
            ExpectFactoryPlaying(p);
        }
        // Reading never rewrites the file.
        EXPECT_EQ(ReadFileBytes("defaults.kvd"), bytes);
    }

    // One index just outside its list, each in turn, below and above.
    const int32_t entries[] = {16, 16, 5, 5, 8};
    for (int field = 0; field < 5; ++field) {
        for (int32_t bad : {-1, entries[field], INT32_MIN, INT32_MAX}) {
            int32_t v[] = {15, 15, 4, 4, 7};
            v[field] = bad;
            WriteFileBytes("defaults.kvd", DefaultsFile(v[0], v[1], v[2], v[3], v[4]));
            PlayingValues p;
            p.ReadDefaultsFile();
            SCOPED_TRACE(field);
            ExpectFactoryPlaying(p);
        }
    }

    // A directory in the file's place counts as no file.
    std::filesystem::remove("defaults.kvd");
    std::filesystem::create_directory("defaults.kvd");
    PlayingValues p;
    p.ReadDefaultsFile();
    ExpectFactoryPlaying(p);
}

TEST(PreferenceValues, DefaultsWrittenInTextModeAreRead)
{
    TempWorkingDir dir;
    // A board 15 wide stores the index 10, a byte 0x0A.
    const std::vector<unsigned char> binary = DefaultsFile(10, 10, 1, 3, 5);
    const std::vector<unsigned char> text = AsTextMode(binary);
    ASSERT_EQ(text.size(), 22u);
    WriteFileBytes("defaults.kvd", text);
    PlayingValues p;
    p.ReadDefaultsFile();
    EXPECT_EQ(p.colsIndex, 10);
    EXPECT_EQ(p.rowsIndex, 10);
    EXPECT_EQ(p.addedIndex, 1);
    EXPECT_EQ(p.lineIndex, 3);
    EXPECT_EQ(p.colorsIndex, 5);
    EXPECT_EQ(p.square, 0);

    // Only the pairs go: a text-mode file with one pair too many, or a stray 0x0D, is damaged.
    std::vector<unsigned char> extra = text;
    extra.push_back(0x0D);
    extra.push_back(0x0A);
    WriteFileBytes("defaults.kvd", extra);
    PlayingValues q;
    q.ReadDefaultsFile();
    ExpectFactoryPlaying(q);

    std::vector<unsigned char> stray = binary;
    stray.insert(stray.begin() + 2, 0x0D);
    WriteFileBytes("defaults.kvd", stray);
    PlayingValues r;
    r.ReadDefaultsFile();
    ExpectFactoryPlaying(r);
}

TEST(PreferenceValues, FailedSaveKeepsTheOldDefaults)
{
    TempWorkingDir dir;
    const std::vector<unsigned char> old = DefaultsFile(1, 2, 3, 4, 5);
    WriteFileBytes("defaults.kvd", old);
    FailingSaves failing("defaults.kvd");
    PlayingValues p;
    p.SetFactoryValues();
    EXPECT_FALSE(p.WriteDefaultsFile());
    EXPECT_EQ(ReadFileBytes("defaults.kvd"), old);
}

TEST(PreferenceValues, RandomDefaultsFilesNeverGiveAValueOutOfRange)
{
    TempWorkingDir dir;
    RandomBytes random(20240501);
    std::vector<std::vector<unsigned char>> images;
    for (int i = 0; i < 64; ++i) {
        images.push_back(DefaultsFile(int32_t(random.Pick(16)), int32_t(random.Pick(16)),
                                      int32_t(random.Pick(5)), int32_t(random.Pick(5)),
                                      int32_t(random.Pick(8))));
    }
    int taken = 0;
    for (int round = 0; round < 100000; ++round) {
        const std::vector<unsigned char> bytes = random.Next(images[random.Pick(images.size())]);
        PlayingValues p;
        p.SetFactoryValues();
        p.square = 0;
        bool read = p.ReadDefaultsBytes(bytes);
        ASSERT_TRUE(InRange(p)) << p.colsIndex << " " << p.rowsIndex << " " << p.addedIndex << " "
                                << p.lineIndex << " " << p.colorsIndex;
        ASSERT_EQ(p.square, 0);
        // Now and then the same bytes through the file, as the game opens it.
        if (round % 1000 == 0) {
            WriteFileBytes(DEFAULTS_FILE, bytes);
            PlayingValues fromFile;
            fromFile.ReadDefaultsFile();
            ASSERT_EQ(fromFile.DefaultsBytes(), p.DefaultsBytes());
            ASSERT_EQ(fromFile.square, read ? 0 : 1);
        }
        if (read) {
            ++taken;
            ASSERT_GE(bytes.size(), DEFAULTS_FILE_SIZE);
            ASSERT_LE(bytes.size(), 2 * DEFAULTS_FILE_SIZE);
        } else {
            ASSERT_TRUE(p.colsIndex == 4 && p.rowsIndex == 4 && p.addedIndex == 2 &&
                        p.lineIndex == 2 && p.colorsIndex == 5);
        }
    }
    // The strings must reach the accepting branch often enough to mean something.
    EXPECT_GT(taken, 20000);
    EXPECT_LT(taken, 80000);
}
