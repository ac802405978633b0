#include "FileBytes.h"
#include "HeadlessTest.h"
#include "TempWorkingDir.h"
#include "TestWindow.h"

#include "platform/Control.h"
#include "res/ResourceIds.h"
#include "settings/PreferencesSheet.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

const int PLAYING_TAB = 0;
const int ANIMATION_TAB = 1;
const int REWARDING_TAB = 2;

std::vector<unsigned char> DefaultsFile(int32_t cols, int32_t rows, int32_t added, int32_t line,
                                        int32_t colors)
{
    std::vector<unsigned char> bytes;
    for (int32_t value : {cols, rows, added, line, colors}) {
        AppendInt32(bytes, value);
    }
    return bytes;
}

std::string Shown(DialogSession& s, int id)
{
    return s.Item(id)->GetSelectedText();
}

bool Enabled(DialogSession& s, int id)
{
    return s.Item(id)->IsWindowEnabled();
}

} // namespace

// The sheet as the main window holds it: its pages added and filled at start-up, in a fresh
// working directory.
class PreferencesSheetTest : public HeadlessTest
{
protected:
    PreferencesSheetTest() { owner.Create(); }

    void StartUp()
    {
        sheet.AddPages();
        sheet.LoadDefaults(settings);
    }

    TempWorkingDir dir;
    TestWindow owner;
    PreferencesSheet sheet{&owner};
    GameSettings settings;
};

TEST_F(PreferencesSheetTest, WithoutDefaultsFileTheSheetOpensOnTheFactoryAndStartValues)
{
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Peer()->title, "Preferences");
        EXPECT_EQ(s.GetWindow().GetParent(), &owner);
        ASSERT_EQ(sheet.GetPageCount(), 3);
        EXPECT_STREQ(sheet.GetPage(PLAYING_TAB)->GetCaption(), "Playing");
        EXPECT_STREQ(sheet.GetPage(ANIMATION_TAB)->GetCaption(), "Animation");
        EXPECT_STREQ(sheet.GetPage(REWARDING_TAB)->GetCaption(), "Rewarding");
        EXPECT_EQ(&s.Front(), &sheet.playingPage);
        EXPECT_FALSE(Enabled(s, ID_APPLY_NOW));

        EXPECT_EQ(Shown(s, IDC_COLS), "9");
        EXPECT_EQ(Shown(s, IDC_ROWS), "9");
        EXPECT_EQ(Shown(s, IDC_ADDED), "3");
        EXPECT_EQ(Shown(s, IDC_LINE), "5");
        EXPECT_EQ(Shown(s, IDC_COLORS), "6");
        EXPECT_EQ(s.Item(IDC_SQUARE)->GetCheck(), 1);
        EXPECT_FALSE(Enabled(s, IDC_ROWS));
        EXPECT_TRUE(Enabled(s, IDC_COLS));
        // Every list holds its whole range, ascending, once.
        for (int id : {IDC_COLS, IDC_ROWS}) {
            ASSERT_EQ(s.Item(id)->GetCount(), 16);
            EXPECT_EQ(s.Item(id)->GetLBText(0), "5");
            EXPECT_EQ(s.Item(id)->GetLBText(15), "20");
        }
        EXPECT_EQ(s.Item(IDC_ADDED)->GetCount(), 5);
        EXPECT_EQ(s.Item(IDC_LINE)->GetLBText(4), "7");
        EXPECT_EQ(s.Item(IDC_COLORS)->GetCount(), 8);

        s.SelectTab(ANIMATION_TAB);
        for (int id : {IDC_FADE_ENABLE, IDC_TRAVEL_ENABLE}) {
            EXPECT_EQ(s.Item(id)->GetCheck(), 1);
        }
        for (int id : {IDC_FADE_SLIDER, IDC_TRAVEL_SLIDER}) {
            EXPECT_TRUE(Enabled(s, id));
            EXPECT_EQ(s.Item(id)->GetRangeMin(), 1);
            EXPECT_EQ(s.Item(id)->GetRangeMax(), 5);
            EXPECT_EQ(s.Item(id)->GetPos(), 3);
        }

        s.SelectTab(REWARDING_TAB);
        EXPECT_EQ(s.Item(IDC_REWARD_ENABLE)->GetCheck(), 1);
        EXPECT_EQ(s.Item(IDC_IMMEDIATELY)->GetCheck(), 0);
        EXPECT_EQ(s.Item(IDC_PILE)->GetCheck(), 1);
        for (int id : {IDC_REWARD_GROUP, IDC_IMMEDIATELY, IDC_PILE}) {
            EXPECT_TRUE(Enabled(s, id));
        }
        s.Ok();
    });
    // OK without a change gives the same settings again.
    GameSettings before = settings;
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, before.boardCols);
    EXPECT_EQ(settings.boardRows, 9);
    EXPECT_EQ(settings.fadeSpeed, 3);
    EXPECT_EQ(settings.rewardPile, 1);
    EXPECT_FALSE(FileExists(DEFAULTS_FILE));
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
}

TEST_F(PreferencesSheetTest, CheckingSquareLocksTheHeightToTheWidth)
{
    // A saved 12 by 7 board: the Square box starts unchecked and the height list is free.
    WriteFileBytes(DEFAULTS_FILE, DefaultsFile(7, 2, 2, 2, 5));
    StartUp();
    EXPECT_EQ(settings.boardCols, 12);
    EXPECT_EQ(settings.boardRows, 7);
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Item(IDC_SQUARE)->GetCheck(), 0);
        EXPECT_TRUE(Enabled(s, IDC_ROWS));
        EXPECT_EQ(Shown(s, IDC_COLS), "12");
        EXPECT_EQ(Shown(s, IDC_ROWS), "7");
        s.Click(IDC_SQUARE);
        EXPECT_FALSE(Enabled(s, IDC_ROWS));
        EXPECT_EQ(Shown(s, IDC_ROWS), "12");
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, 12);
    EXPECT_EQ(settings.boardRows, 12);
    EXPECT_EQ(sheet.playingPage.rowsIndex, 7);
}

TEST_F(PreferencesSheetTest, TheHeightFollowsTheWidthWhileSquareAndStaysWhenUnchecked)
{
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        ASSERT_TRUE(s.SelectText(IDC_COLS, "15"));
        EXPECT_EQ(Shown(s, IDC_ROWS), "15");
        EXPECT_EQ(sheet.playingPage.rowsIndex, 10);
        s.Click(IDC_SQUARE);
        EXPECT_TRUE(Enabled(s, IDC_ROWS));
        EXPECT_EQ(Shown(s, IDC_ROWS), "15");
        // Without Square the width no longer moves the height.
        ASSERT_TRUE(s.SelectText(IDC_COLS, "6"));
        EXPECT_EQ(Shown(s, IDC_ROWS), "15");
        ASSERT_TRUE(s.SelectText(IDC_ROWS, "8"));
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, 6);
    EXPECT_EQ(settings.boardRows, 8);
    EXPECT_EQ(sheet.playingPage.square, 0);
}

TEST_F(PreferencesSheetTest, TheAnimationSwitchesLockTheirSlidersWithoutMovingThem)
{
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        s.SelectTab(ANIMATION_TAB);
        s.SetSlider(IDC_FADE_SLIDER, 4);
        s.SetSlider(IDC_TRAVEL_SLIDER, 2);
        s.Click(IDC_FADE_ENABLE);
        EXPECT_FALSE(Enabled(s, IDC_FADE_SLIDER));
        EXPECT_EQ(s.Item(IDC_FADE_SLIDER)->GetPos(), 4);
        EXPECT_TRUE(Enabled(s, IDC_TRAVEL_SLIDER));
        // A locked slider does not take the player's drag.
        s.SetSlider(IDC_FADE_SLIDER, 1);
        EXPECT_EQ(s.Item(IDC_FADE_SLIDER)->GetPos(), 4);
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.fadeSpeed, 0);
    EXPECT_EQ(settings.travelSpeed, 2);

    // The sheet reopens on the Animation tab, where it was closed.
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(&s.Front(), &sheet.animationPage);
        EXPECT_EQ(s.Item(IDC_FADE_ENABLE)->GetCheck(), 0);
        EXPECT_FALSE(Enabled(s, IDC_FADE_SLIDER));
        EXPECT_EQ(s.Item(IDC_FADE_SLIDER)->GetPos(), 4);
        s.Click(IDC_FADE_ENABLE);
        EXPECT_TRUE(Enabled(s, IDC_FADE_SLIDER));
        EXPECT_EQ(s.Item(IDC_FADE_SLIDER)->GetPos(), 4);
        s.Click(IDC_TRAVEL_ENABLE);
        EXPECT_FALSE(Enabled(s, IDC_TRAVEL_SLIDER));
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.fadeSpeed, 4);
    EXPECT_EQ(settings.travelSpeed, 0);
    EXPECT_EQ(sheet.animationPage.travelSlider, 2);
}

TEST_F(PreferencesSheetTest, TheRewardSwitchGreysTheGroupAndKeepsTheMode)
{
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        s.SelectTab(REWARDING_TAB);
        s.Click(IDC_IMMEDIATELY);
        s.Click(IDC_REWARD_ENABLE);
        for (int id : {IDC_REWARD_GROUP, IDC_IMMEDIATELY, IDC_PILE}) {
            EXPECT_FALSE(Enabled(s, id));
        }
        EXPECT_EQ(s.Item(IDC_IMMEDIATELY)->GetCheck(), 1);
        EXPECT_EQ(s.Item(IDC_PILE)->GetCheck(), 0);
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.rewardEnabled, 0);
    EXPECT_EQ(settings.rewardPile, 0);

    headless.ScriptDialog([&](DialogSession& s) {
        for (int id : {IDC_REWARD_GROUP, IDC_IMMEDIATELY, IDC_PILE}) {
            EXPECT_FALSE(Enabled(s, id));
        }
        s.Click(IDC_REWARD_ENABLE);
        for (int id : {IDC_REWARD_GROUP, IDC_IMMEDIATELY, IDC_PILE}) {
            EXPECT_TRUE(Enabled(s, id));
        }
        s.Click(IDC_PILE);
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.rewardEnabled, 1);
    EXPECT_EQ(settings.rewardPile, 1);
}

TEST_F(PreferencesSheetTest, CancelKeepsWhatLeavingATabReadAndNothingOfTheFrontPage)
{
    StartUp();
    GameSettings before = settings;
    headless.ScriptDialog([&](DialogSession& s) {
        ASSERT_TRUE(s.SelectText(IDC_COLS, "12"));
        ASSERT_TRUE(s.SelectText(IDC_COLORS, "8"));
        s.SelectTab(ANIMATION_TAB);
        s.SetSlider(IDC_FADE_SLIDER, 5);
        s.Cancel();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    // The settings in force are the main window's record; Cancel leaves it to the caller.
    EXPECT_EQ(settings.boardCols, before.boardCols);
    EXPECT_EQ(sheet.playingPage.colsIndex, 7);
    EXPECT_EQ(sheet.playingPage.rowsIndex, 7);
    EXPECT_EQ(sheet.playingPage.colorsIndex, 7);
    EXPECT_EQ(sheet.animationPage.fadeSlider, 3);

    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Item(IDC_FADE_SLIDER)->GetPos(), 3);
        s.SelectTab(PLAYING_TAB);
        EXPECT_EQ(Shown(s, IDC_COLS), "12");
        EXPECT_EQ(Shown(s, IDC_ROWS), "12");
        EXPECT_EQ(Shown(s, IDC_COLORS), "8");
        s.Close();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(headless.UnfinishedDialogs(), 0);
}

TEST_F(PreferencesSheetTest, SaveAsDefaultThenFactoryDefaultsThenCancelKeepsTheSavedFile)
{
    // Whatever the file held before, saving leaves exactly the five indices.
    WriteFileBytes(DEFAULTS_FILE, std::vector<unsigned char>(30, 0x01));
    StartUp();
    GameSettings before = settings;
    headless.ScriptDialog([&](DialogSession& s) {
        EXPECT_EQ(s.Item(IDC_SQUARE)->GetCheck(), 1);
        ASSERT_TRUE(s.SelectText(IDC_COLS, "12"));
        ASSERT_TRUE(s.SelectText(IDC_ADDED, "5"));
        ASSERT_TRUE(s.SelectText(IDC_LINE, "4"));
        s.Click(IDC_SAVE_DEFAULT);
        EXPECT_EQ(ReadFileBytes(DEFAULTS_FILE), DefaultsFile(7, 7, 4, 1, 5));

        s.Click(IDC_LOAD_FACTORY);
        EXPECT_EQ(Shown(s, IDC_COLS), "9");
        EXPECT_EQ(Shown(s, IDC_ROWS), "9");
        EXPECT_EQ(Shown(s, IDC_ADDED), "3");
        EXPECT_EQ(Shown(s, IDC_LINE), "5");
        EXPECT_EQ(Shown(s, IDC_COLORS), "6");
        EXPECT_EQ(s.Item(IDC_SQUARE)->GetCheck(), 1);
        s.Cancel();
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(ReadFileBytes(DEFAULTS_FILE), DefaultsFile(7, 7, 4, 1, 5));
    EXPECT_EQ(settings.boardCols, before.boardCols);
    EXPECT_EQ(settings.addedPieces, before.addedPieces);
    // The factory values came from a handler, so they stay in the page after Cancel.
    EXPECT_EQ(sheet.playingPage.colsIndex, 4);
    EXPECT_EQ(sheet.playingPage.addedIndex, 2);
    EXPECT_TRUE(headless.MessageBoxes().empty());
}

TEST_F(PreferencesSheetTest, FactoryDefaultsLeaveTheHeightListAsItWas)
{
    WriteFileBytes(DEFAULTS_FILE, DefaultsFile(7, 2, 2, 2, 5));
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        ASSERT_TRUE(Enabled(s, IDC_ROWS));
        s.Click(IDC_LOAD_FACTORY);
        EXPECT_EQ(s.Item(IDC_SQUARE)->GetCheck(), 1);
        EXPECT_TRUE(Enabled(s, IDC_ROWS));
        // Square decides the height, whatever the free list shows.
        ASSERT_TRUE(s.SelectText(IDC_ROWS, "7"));
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, 9);
    EXPECT_EQ(settings.boardRows, 9);
}

TEST_F(PreferencesSheetTest, ASaveThatCannotBeWrittenIsToldOnceAndKeepsTheSheetOpen)
{
    // A directory in the file's place: the new file cannot be renamed over it.
    std::filesystem::create_directory(DEFAULTS_FILE);
    StartUp();
    headless.ScriptDialog([&](DialogSession& s) {
        ASSERT_TRUE(s.SelectText(IDC_COLS, "20"));
        s.Click(IDC_SAVE_DEFAULT);
        s.Click(IDC_SAVE_DEFAULT);
        EXPECT_TRUE(s.IsOpen());
        EXPECT_EQ(sheet.playingPage.colsIndex, 15);
        s.Ok();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(std::filesystem::is_directory(DEFAULTS_FILE));
    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
    EXPECT_EQ(headless.MessageBoxes()[0].text, "Could not save defaults.kvd: Is a directory");
    sheet.FillSettings(settings);
    EXPECT_EQ(settings.boardCols, 20);
}

TEST_F(PreferencesSheetTest, AddingThePagesTwiceStillGivesThreeTabs)
{
    StartUp();
    sheet.AddPages();
    ASSERT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetPage(0), &sheet.playingPage);
    EXPECT_EQ(sheet.GetPage(1), &sheet.animationPage);
    EXPECT_EQ(sheet.GetPage(2), &sheet.rewardingPage);
}
