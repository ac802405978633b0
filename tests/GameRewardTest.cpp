#include "GameFixture.h"

// Points, delete credits in both reward modes, and delete mode.
class GameRewardTest : public GameTest
{
protected:
    void StartReward(int reward, int pile)
    {
        Start(MakeSettings(7, 6, 3, 5, 6, 0, 0, reward, pile));
    }
};

TEST_F(GameRewardTest, RunsLongerThanTheLineEarnACreditPerExtraPiece)
{
    StartReward(1, 1);
    Arrange({"000.00.", "...0...", ".......", ".......", ".......", "....1.."});
    EXPECT_EQ(Move(1, 3, 0, 3), STATE_SELECT_PIECE);
    EXPECT_EQ(game.scoreDisplay.value, 6);
    EXPECT_EQ(game.deleteCredits, 1);
    EXPECT_EQ(game.IsDeleteAvailable(), 1);

    // A horizontal and a diagonal run of 5 crossing at the destination count their shared cell
    // once: 9 points and 4 credits more.
    Arrange({"0......", ".0.....", "00.00..", "...0...", "....0..", "..0...."});
    EXPECT_EQ(Move(5, 2, 2, 2), STATE_SELECT_PIECE);
    EXPECT_EQ(game.scoreDisplay.value, 15);
    EXPECT_EQ(game.deleteCredits, 5);
    EXPECT_EQ(Cells(), ".......\n.......\n.......\n.......\n.......\n.......\n");
    ExpectScreenMatchesPaint();
}

TEST_F(GameRewardTest, WithRewardsOffNoRunEarnsCredits)
{
    StartReward(0, 1);
    Arrange({"0......", ".0.....", "00.00..", "...0...", "....0..", "..0...1"});
    EXPECT_EQ(Move(5, 2, 2, 2), STATE_SELECT_PIECE);
    EXPECT_EQ(game.scoreDisplay.value, 9);
    EXPECT_EQ(game.deleteCredits, 0);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
}

TEST_F(GameRewardTest, PiledCreditsAreSpentInDeleteModeAndTheLastPieceEndsIt)
{
    StartReward(1, 1);
    Arrange({"000.000", "...0...", "1......", "......2", "...0...", "000.000"});
    EXPECT_EQ(Move(1, 3, 0, 3), STATE_SELECT_PIECE);
    EXPECT_EQ(Move(4, 3, 5, 3), STATE_SELECT_PIECE);
    EXPECT_EQ(game.scoreDisplay.value, 14);
    EXPECT_EQ(game.deleteCredits, 4);
    EXPECT_EQ(game.IsDeleteAvailable(), 1);

    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_DELETING);
    // A free cell costs nothing.
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_DELETING);
    EXPECT_EQ(game.deleteCredits, 4);
    EXPECT_EQ(game.OnCellClick(2, 0), STATE_DELETING);
    EXPECT_EQ(game.deleteCredits, 3);
    EXPECT_EQ(CellCentre(2, 0), FACE);
    // The last piece on the board ends delete mode with credits left over.
    EXPECT_EQ(game.OnCellClick(3, 6), STATE_SELECT_PIECE);
    EXPECT_EQ(game.deleteCredits, 2);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
    EXPECT_TRUE(game.board.IsBoardEmpty());
    // Nor can the mode come back while there is nothing to delete.
    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(game.scoreDisplay.value, 14); // deletions score nothing
    ExpectScreenMatchesPaint();
}

TEST_F(GameRewardTest, ImmediatelySwitchesDeleteModeOnAndReplacesLeftoverCredits)
{
    StartReward(1, 0);
    Arrange({"000.000", "...0...", "1......", "......2", "...3...", "......."});
    EXPECT_EQ(Move(1, 3, 0, 3), STATE_DELETING);
    EXPECT_EQ(game.deleteCredits, 2);
    // The delete tool can leave the mode, but not enter it again by hand in this mode.
    EXPECT_EQ(game.IsDeleteAvailable(), 1);
    game.LeaveDeleteMode();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);

    Arrange({"000.00.", "...0...", "1......", "......2", "...3...", "......."});
    game.deleteCredits = 3;
    EXPECT_EQ(Move(1, 3, 0, 3), STATE_DELETING);
    EXPECT_EQ(game.deleteCredits, 1);
    EXPECT_EQ(game.OnCellClick(2, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(game.deleteCredits, 0);
    EXPECT_EQ(game.IsDeleteAvailable(), 0);
}

TEST_F(GameRewardTest, ImmediatelyGrantsNothingWhenTheMoveEmptiedTheBoard)
{
    StartReward(1, 0);
    Arrange({"000.000", "...0...", ".......", ".......", ".......", "......."});
    EXPECT_EQ(Move(1, 3, 0, 3), STATE_SELECT_PIECE);
    EXPECT_EQ(game.deleteCredits, 0);
}

TEST_F(GameRewardTest, EnteringDeleteModeNeedsPiledCreditsAndEndsASelection)
{
    StartReward(1, 1);
    Arrange({"1......", ".......", ".......", ".......", ".......", "......2"});
    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);

    game.deleteCredits = 2;
    game.OnCellClick(0, 0);
    ASSERT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_DELETING);
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    game.LeaveDeleteMode();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(game.IsDeleteAvailable(), 1);
    EXPECT_EQ(game.deleteCredits, 2);
}

TEST_F(GameRewardTest, PiledCreditsLetAFinishedGameGoOn)
{
    Start(MakeSettings(5, 5, 3, 5, 5));
    Arrange({"01234", "23401", "40123", "12340", "340.."});
    game.deleteCredits = 2;
    game.deleteAvailable = 1;
    ASSERT_EQ(Move(4, 2, 4, 3), STATE_GAME_END);
    game.EnterDeleteMode();
    EXPECT_EQ(game.state, STATE_DELETING);
    EXPECT_EQ(game.OnCellClick(0, 0), STATE_DELETING);
    EXPECT_EQ(game.OnCellClick(0, 1), STATE_SELECT_PIECE);
    EXPECT_EQ(game.board.emptyCount, 4);
    // There is room again: a move that clears nothing brings pieces.
    EXPECT_EQ(Move(1, 0, 0, 0), STATE_SELECT_PIECE);
    EXPECT_EQ(game.board.emptyCount, 1);
}

TEST_F(GameRewardTest, DeletionsBeyondWhatTheRecordHoldsGoAheadWithoutUndo)
{
    Start(MakeSettings(10, 10, 3, 5, 5));
    ArrangePattern(8);
    const Position beforeMove = TakePosition(game);
    ASSERT_EQ(Move(7, 0, 8, 0), STATE_SELECT_PIECE);
    game.deleteCredits = 60;
    game.EnterDeleteMode();
    for (int i = 0; i < HISTORY_DELETIONS_MAX; ++i) {
        ASSERT_EQ(game.OnCellClick(i / 10, i % 10), STATE_DELETING);
    }
    EXPECT_EQ(game.IsUndoAvailable(), 1);
    EXPECT_EQ(game.history.deletedCount, HISTORY_DELETIONS_MAX);

    // A full record still takes the whole turn back.
    Position expected = beforeMove;
    expected.deleteCredits = 60;
    game.Undo();
    EXPECT_EQ(TakePosition(game), expected);
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);

    // One deletion more than it holds: the piece goes, and Undo is withdrawn for the turn.
    ASSERT_EQ(Move(7, 0, 8, 0), STATE_SELECT_PIECE);
    game.EnterDeleteMode();
    for (int i = 0; i <= HISTORY_DELETIONS_MAX; ++i) {
        ASSERT_EQ(game.OnCellClick(i / 10, i % 10), STATE_DELETING);
    }
    EXPECT_TRUE(game.board.IsEmptyCell(5, 0));
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    const Position afterDeletions = TakePosition(game);
    game.Undo();
    EXPECT_EQ(TakePosition(game), afterDeletions);
    EXPECT_EQ(game.state, STATE_DELETING);
    EXPECT_EQ(game.deleteCredits, 60 - HISTORY_DELETIONS_MAX - 1);
}
