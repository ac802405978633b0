#include "GameFixture.h"

#include "tests/AllocationCounter.h"

// Play allocates nothing: every list of the controller is a fixed array, and the drawing,
// the pauses, the timer and the random numbers need no heap either.
class GameAllocationTest : public GameTest
{
};

TEST_F(GameAllocationTest, ATurnWithAllItsAnimationsAllocatesNothing)
{
    Start(MakeSettings(9, 9, 3, 5, 6, 3, 3, 1, 1));
    Arrange({"000.00...", "...0.....", ".........", ".........", ".........", ".....1...",
             ".........", ".........", "........."},
            {2, 3, 4});
    game.showNext = 1;
    headless.Pump();

    AllocationCounter counter;
    game.OnCellClick(1, 3);
    game.OnSelectionTimer();
    const int afterRun = game.OnCellClick(0, 3);
    const int credits = game.deleteCredits;
    game.EnterDeleteMode();
    const int afterDelete = game.OnCellClick(5, 5);
    game.Undo();
    game.OnCellClick(5, 5);
    const int afterArrivals = game.OnCellClick(8, 8);
    const int freeAfterArrivals = game.board.emptyCount;
    game.Undo();
    const int afterDrawNext = game.AddPieces(1, 0);
    const long allocations = counter.Count();

    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(afterRun, STATE_SELECT_PIECE);
    EXPECT_EQ(credits, 1);
    EXPECT_EQ(afterDelete, STATE_SELECT_PIECE);
    EXPECT_EQ(afterArrivals, STATE_SELECT_PIECE);
    EXPECT_EQ(freeAfterArrivals, 81 - 7 - 3); // seven pieces and three arrivals
    EXPECT_EQ(afterDrawNext, STATE_SELECT_PIECE);
    EXPECT_GT(headless.SleepCount(), 100);
}
