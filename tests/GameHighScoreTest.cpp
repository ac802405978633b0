#include "GameFixture.h"

// The controller's side of the high-score table: loading at set-up, offering a finished game's
// score with the player's name, and the box that shows the table.
class GameHighScoreTest : public GameTest
{
};

TEST_F(GameHighScoreTest, SetupLoadsTheTableAndAFinishedGameEntersWithThePlayersName)
{
    {
        HighScoreTable stored;
        stored.Reset();
        stored.Insert(30, "Bea");
    }
    Start(MakeSettings(9, 9, 3, 5, 6));
    EXPECT_EQ(game.highScores.scores[0], 30);

    game.SetPlayerName("Ann");
    game.scoreDisplay.value = 31;
    game.EndGame();
    EXPECT_EQ(game.highScores.names[0], std::string(17, ' ') + "Ann");
    EXPECT_EQ(game.highScores.scores[1], 30);
    HighScoreTable reread;
    EXPECT_EQ(reread.Load(), 1);
    EXPECT_EQ(reread.scores[0], 31);
}

TEST_F(GameHighScoreTest, TheTableShowsInABoxOwnedByTheMainWindowOrTheApplication)
{
    Start(MakeSettings(9, 9, 3, 5, 6));
    game.ShowHighScores();
    ASSERT_EQ(headless.MessageBoxes().size(), 1u);
    const HeadlessBackend::MessageBoxRecord& owned = headless.MessageBoxes()[0];
    EXPECT_EQ(owned.owner, &window);
    EXPECT_EQ(owned.caption, "High Scores");
    EXPECT_EQ(owned.type, MB_OK);
    std::string table;
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        table += std::string(15, ' ') + "Kirun\t    0\n";
    }
    EXPECT_EQ(owned.text, table);

    game.highScores.Show(nullptr);
    ASSERT_EQ(headless.MessageBoxes().size(), 2u);
    const HeadlessBackend::MessageBoxRecord& own = headless.MessageBoxes()[1];
    EXPECT_EQ(own.owner, nullptr);
    EXPECT_EQ(own.caption, "TOBRIX++");
    EXPECT_EQ(own.type, MB_OK);
    EXPECT_EQ(own.text, table);
}

TEST_F(GameHighScoreTest, ClearingTheTableResetsItOnDisk)
{
    Start(MakeSettings(9, 9, 3, 5, 6));
    game.scoreDisplay.value = 12;
    game.EndGame();
    ASSERT_EQ(game.highScores.scores[0], 12);
    game.ClearHighScores();
    EXPECT_EQ(game.highScores.scores[0], 0);
    HighScoreTable reread;
    EXPECT_EQ(reread.Load(), 1);
    EXPECT_EQ(reread.scores[0], 0);
}
