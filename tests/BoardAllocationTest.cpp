#include "board/Board.h"
#include "tests/AllocationCounter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

volatile int sink;

} // namespace

TEST(AllocationCounter, SeesAllocationsOnlyWhileItLives)
{
    {
        AllocationCounter counter;
        std::vector<int> numbers(100, 1);
        auto single = std::make_unique<long>(5);
        sink = numbers[50] + static_cast<int>(*single);
        const long count = counter.Count();
        EXPECT_EQ(count, 2);
    }
    AllocationCounter counter;
    sink = 0;
    EXPECT_EQ(counter.Count(), 0);
}

// The route search and the run rules run during play, where nothing may be allocated.
TEST(BoardAllocation, FindPathAndRemoveRunsAllocateNothing)
{
    Board board;
    board.Init(20, 20);
    const CellPos pieces[] = {{0, 0}, {5, 3}, {5, 4}, {5, 6}, {5, 7}, {19, 19}};
    const int colours[] = {1, 2, 2, 2, 2, 3};
    board.PlacePieces(6, pieces, colours);
    CellPos route[BOARD_CELLS];
    CellPos removed[RUN_CELLS_MAX];

    AllocationCounter counter;
    const int length = board.FindPath(0, 0, 19, 18, route);
    const int unreachable = board.FindPath(0, 0, 19, 19, route);
    board.cells[5 + 5 * BOARD_STRIDE] = 2;
    --board.emptyCount;
    const int n = board.RemoveRuns(5, 5, 5, removed);
    const long count = counter.Count();

    EXPECT_EQ(count, 0);
    EXPECT_EQ(length, 37);
    EXPECT_EQ(unreachable, 0);
    EXPECT_EQ(n, 5);
}
