#include "game/MoveHistory.h"
#include "tests/BoardPicture.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MoveHistory, NewRecordDescribesNoMove)
{
    MoveHistory history;
    EXPECT_EQ(history.steps, 0);
    EXPECT_EQ(history.moveRunCount, 0);
    EXPECT_EQ(history.deletedCount, 0);
    for (int count : history.addedRunCounts) {
        EXPECT_EQ(count, 0);
    }
}

TEST(MoveHistory, ClearForgetsTheMoveButKeepsTheColourAndCellLists)
{
    MoveHistory history;
    const CellPos route[] = {{0, 0}, {0, 1}, {0, 2}};
    const int colours[] = {3, 1, 4};
    const int next[] = {5, 0, 2};
    const CellPos cells[] = {{4, 4}, {1, 2}, {7, 0}};
    history.RecordMove(route, 2, 6);
    history.RecordMoveRun(route, 3);
    history.RecordAddedColors(colours, 3);
    history.RecordAddedCells(cells, 3);
    history.RecordAddedRun(cells, 2, 1);
    history.RecordNextColors(next, 3);
    history.RecordDeletion(3, 3, 1);
    history.savedScore = 42;

    history.Clear();
    EXPECT_EQ(history.steps, 0);
    EXPECT_EQ(history.moveRunCount, 0);
    EXPECT_EQ(history.deletedCount, 0);
    EXPECT_EQ(history.addedRunCounts[2], 0);
    EXPECT_EQ(history.addedColors[1], 1);
    EXPECT_EQ(history.addedCells[2], (CellPos{7, 0}));
    EXPECT_EQ(history.nextColorsAfter[0], 5);
    EXPECT_EQ(history.savedScore, 42);
}

TEST(MoveHistory, MoveOfFourStepsRecordsFiveCellsStartFirst)
{
    MoveHistory history;
    CellPos route[BOARD_CELLS];
    const CellPos walk[] = {{2, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 4}, {9, 9}};
    for (int i = 0; i < 6; ++i) {
        route[i] = walk[i];
    }
    history.route[5] = CellPos{-3, -3};
    history.RecordMove(route, 4, 5);
    EXPECT_EQ(history.steps, 4);
    EXPECT_EQ(history.movedColor, 5);
    EXPECT_EQ(std::vector<CellPos>(history.route, history.route + 6),
              (std::vector<CellPos>{{2, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 4}, {-3, -3}}));
}

TEST(MoveHistory, ClearingMoveAndArrivalsFillDifferentParts)
{
    const CellPos run[] = {{1, 0}, {1, 1}, {1, 3}, {1, 4}, {1, 2}};
    MoveHistory scoring;
    scoring.RecordMoveRun(run, 5);
    EXPECT_EQ(scoring.moveRunCount, 5);
    EXPECT_EQ(scoring.moveRun[4], (CellPos{1, 2}));
    for (int count : scoring.addedRunCounts) {
        EXPECT_EQ(count, 0);
    }

    // Three pieces arrive; the second completes a run of three.
    MoveHistory arrival;
    const int colours[] = {0, 6, 2};
    const CellPos cells[] = {{0, 0}, {3, 3}, {4, 1}};
    const CellPos secondRun[] = {{3, 2}, {3, 1}, {3, 3}};
    const int next[] = {7, 7, 1};
    arrival.RecordAddedColors(colours, 3);
    arrival.RecordAddedCells(cells, 3);
    arrival.RecordAddedRun(secondRun, 1, 3);
    arrival.RecordNextColors(next, 3);
    EXPECT_EQ(arrival.moveRunCount, 0);
    EXPECT_EQ(arrival.addedColors[1], 6);
    EXPECT_EQ(arrival.addedCells[2], (CellPos{4, 1}));
    EXPECT_EQ(arrival.addedRunCounts[0], 0);
    EXPECT_EQ(arrival.addedRunCounts[1], 3);
    EXPECT_EQ(arrival.addedRunCounts[2], 0);
    EXPECT_EQ(arrival.addedRuns[1][2], (CellPos{3, 3}));
    EXPECT_EQ(arrival.nextColorsAfter[2], 1);
}

TEST(MoveHistory, DeletionsKeepTheirOrder)
{
    MoveHistory history;
    EXPECT_TRUE(history.RecordDeletion(4, 7, 2));
    EXPECT_TRUE(history.RecordDeletion(0, 1, 5));
    EXPECT_EQ(history.deletedCount, 2);
    EXPECT_EQ(history.deletedCells[0], (CellPos{4, 7}));
    EXPECT_EQ(history.deletedColors[0], 2);
    EXPECT_EQ(history.deletedCells[1], (CellPos{0, 1}));
    EXPECT_EQ(history.deletedColors[1], 5);
}

// Beyond the record's room a deletion is refused rather than written past the end, and the
// first fifty stay intact.
TEST(MoveHistory, FiftyFirstDeletionSinceTheMoveIsNotRecorded)
{
    MoveHistory history;
    for (int i = 0; i < HISTORY_DELETIONS_MAX; ++i) {
        ASSERT_TRUE(history.RecordDeletion(i / 10, i % 10, i % 8));
    }
    EXPECT_FALSE(history.RecordDeletion(19, 19, 7));
    EXPECT_EQ(history.deletedCount, 50);
    EXPECT_EQ(history.deletedCells[49], (CellPos{4, 9}));
    EXPECT_EQ(history.deletedColors[49], 49 % 8);

    history.Clear();
    EXPECT_TRUE(history.RecordDeletion(19, 19, 7));
    EXPECT_EQ(history.deletedCount, 1);
}
