#include "GameFixture.h"

// Undo plays the last turn backwards and gives back exactly the position before the move.
class GameUndoTest : public GameTest
{
};

TEST_F(GameUndoTest, NothingToUndoAfterANewGameOrDrawNext)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 3, 3));
    const Position start = TakePosition(game);
    game.Undo();
    EXPECT_EQ(TakePosition(game), start);
    EXPECT_EQ(headless.SleepCount(), 0);

    Arrange({"1......", ".......", ".......", ".......", ".......", "......."}, {2, 3, 4});
    InjectArrivals({{5, 0}, {5, 1}, {5, 2}}, {0, 0, 0}, {0, 0}, {0, 4});
    Move(0, 0, 0, 4);
    game.AddPieces(1, 0);
    const Position drawn = TakePosition(game);
    const int sleeps = headless.SleepCount();
    game.Undo();
    EXPECT_EQ(TakePosition(game), drawn);
    EXPECT_EQ(headless.SleepCount(), sleeps);
}

TEST_F(GameUndoTest, AMoveWithArrivalsIsTakenBackAndTheArrivedColoursAreNextAgain)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 3, 3));
    Arrange({"1......", "..2....", ".......", ".......", ".......", "......3"}, {4, 5, 0});
    const Position before = TakePosition(game);
    InjectArrivals({{3, 3}, {0, 0}, {4, 5}}, {1, 1, 1}, {0, 0}, {0, 4});
    ASSERT_EQ(Move(0, 0, 0, 4), STATE_SELECT_PIECE);
    ASSERT_EQ(game.board.cells[0], 5); // an arrival took the cell the piece left

    const int sleeps = headless.SleepCount();
    const unsigned long long slept = headless.SleptTotal();
    game.Undo();
    EXPECT_EQ(TakePosition(game), before);
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(game.IsUndoAvailable(), 0);
    // The three arrivals fade out (10 frames, 3 ms each per cell), then 4 steps back of 70 ms.
    EXPECT_EQ(headless.SleepCount() - sleeps, 30 + 4);
    EXPECT_EQ(headless.SleptTotal() - slept, 90u + 280u);
    ExpectScreenMatchesPaint();

    game.Undo();
    EXPECT_EQ(TakePosition(game), before);
    EXPECT_EQ(headless.SleepCount() - sleeps, 34);
}

TEST_F(GameUndoTest, AMoveThatClearedARunGetsItsRunAndScoreBack)
{
    Start(MakeSettings(7, 6, 3, 5, 6, 3, 3));
    Arrange({"0000...", "....0..", ".......", "...1...", ".......", "......."}, {2, 3, 4});
    game.scoreDisplay.value = 8;
    const Position before = TakePosition(game);
    ASSERT_EQ(Move(1, 4, 0, 4), STATE_SELECT_PIECE);
    ASSERT_EQ(game.scoreDisplay.value, 13);

    const unsigned long long slept = headless.SleptTotal();
    game.Undo();
    EXPECT_EQ(TakePosition(game), before);
    // Five cells appear (11 frames of 3 ms each), then one step back.
    EXPECT_EQ(headless.SleptTotal() - slept, 165u + 70u);
    ExpectScreenMatchesPaint();
}

TEST_F(GameUndoTest, ARunClearedByAnArrivalComesBackBeforeTheArrivalsLeave)
{
    Start(MakeSettings(7, 6, 3, 3, 6));
    Arrange({"2.2....", ".......", ".......", ".......", ".......", "5......"}, {2, 1, 0});
    const Position before = TakePosition(game);
    InjectArrivals({{0, 1}, {3, 3}, {4, 4}}, {4, 4, 4}, {5, 0}, {5, 1});
    ASSERT_EQ(Move(5, 0, 5, 1), STATE_SELECT_PIECE);
    ASSERT_EQ(Cells(), ".......\n.......\n.......\n...1...\n....0..\n.5.....\n");

    game.Undo();
    EXPECT_EQ(TakePosition(game), before);
    EXPECT_EQ(Cells(), "2.2....\n.......\n.......\n.......\n.......\n5......\n");
    ExpectScreenMatchesPaint();
}

TEST_F(GameUndoTest, DeletionsComeBackWithTheirCreditsButTheRewardStays)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"000.000", "...0...", "1......", "......2", "...3...", "......."});
    const Position before = TakePosition(game);
    ASSERT_EQ(Move(1, 3, 0, 3), STATE_SELECT_PIECE);
    ASSERT_EQ(game.deleteCredits, 2);
    game.EnterDeleteMode();
    game.OnCellClick(2, 0);
    game.OnCellClick(4, 3);
    ASSERT_EQ(game.state, STATE_SELECT_PIECE);
    ASSERT_EQ(game.IsDeleteAvailable(), 0);

    game.Undo();
    Position expected = before;
    expected.deleteCredits = 2;
    EXPECT_EQ(TakePosition(game), expected);
    // The credits given back can be spent: the delete tool is offered again.
    EXPECT_EQ(game.IsDeleteAvailable(), 1);
    ExpectScreenMatchesPaint();
}

TEST_F(GameUndoTest, UndoEndsDeleteModeAndASelection)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"000.000", "...0...", "1......", "......2", "...3...", "......."});
    const Position before = TakePosition(game);
    ASSERT_EQ(Move(1, 3, 0, 3), STATE_SELECT_PIECE);
    game.EnterDeleteMode();
    game.OnCellClick(2, 0);
    ASSERT_EQ(game.state, STATE_DELETING);
    game.Undo();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    Position expected = before;
    expected.deleteCredits = 2;
    EXPECT_EQ(TakePosition(game), expected);

    InjectArrivals({{5, 0}, {5, 1}, {5, 2}}, {0, 0, 0}, {2, 0}, {2, 1});
    ASSERT_EQ(Move(2, 0, 2, 1), STATE_SELECT_PIECE);
    game.OnCellClick(3, 6);
    ASSERT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    game.Undo();
    EXPECT_EQ(game.state, STATE_SELECT_PIECE);
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(TakePosition(game), expected);
}

TEST_F(GameUndoTest, AMoveThatEndedTheGameCannotBeUndone)
{
    Start(MakeSettings(5, 5, 3, 5, 5));
    Arrange({"01234", "23401", "40123", "12340", "340.."});
    ASSERT_EQ(Move(4, 2, 4, 3), STATE_GAME_END);
    const Position end = TakePosition(game);
    game.Undo();
    EXPECT_EQ(TakePosition(game), end);
    EXPECT_EQ(game.state, STATE_GAME_END);
}

TEST_F(GameUndoTest, AfterAnUndoARunClearingMoveUndoesBackToThePreviewItShowed)
{
    Start(MakeSettings(7, 6, 3, 5, 6));
    Arrange({"0000...", "....0..", ".......", ".......", ".......", "5......"}, {1, 2, 3});
    InjectArrivals({{3, 3}, {3, 4}, {3, 5}}, {4, 4, 4}, {5, 0}, {5, 1});
    ASSERT_EQ(Move(5, 0, 5, 1), STATE_SELECT_PIECE);
    game.Undo();
    ASSERT_EQ(game.nextColors[0], 1);
    const Position before = TakePosition(game);

    ASSERT_EQ(Move(1, 4, 0, 4), STATE_SELECT_PIECE);
    game.Undo();
    EXPECT_EQ(TakePosition(game), before);
    EXPECT_EQ(game.nextColors[2], 3);
}
