#include "board/Board.h"
#include "tests/BoardPicture.h"

#include <gtest/gtest.h>

namespace {

int CellAt(const Board& board, int row, int col)
{
    return board.cells[col + row * BOARD_STRIDE];
}

} // namespace

TEST(Board, InitEmptiesAllFourHundredCellsAndCountsOnlyThoseInPlay)
{
    Board board;
    EXPECT_EQ(board.rows, 0);
    EXPECT_TRUE(board.IsBoardEmpty());

    for (int& cell : board.cells) {
        cell = 3;
    }
    board.Init(5, 5);
    EXPECT_EQ(board.emptyCount, 25);
    for (int i = 0; i < BOARD_CELLS; ++i) {
        ASSERT_EQ(board.cells[i], EMPTY_CELL) << "element " << i;
    }

    board.Init(7, 12);
    EXPECT_EQ(board.rows, 7);
    EXPECT_EQ(board.cols, 12);
    EXPECT_EQ(board.emptyCount, 84);
}

TEST(Board, RowStrideStaysTwentyOnNarrowBoards)
{
    Board board;
    board.Init(6, 5);
    const CellPos positions[] = {{1, 0}, {2, 4}, {5, 3}};
    const int colours[] = {4, 6, 1};
    ASSERT_TRUE(board.PlacePieces(3, positions, colours));
    EXPECT_EQ(board.cells[20], 4);
    EXPECT_EQ(board.cells[5], EMPTY_CELL);
    EXPECT_EQ(board.cells[44], 6);
    EXPECT_EQ(board.cells[103], 1);
    EXPECT_FALSE(board.IsEmptyCell(1, 0));
    EXPECT_EQ(BoardPicture(board), ".....\n"
                                   "4....\n"
                                   "....6\n"
                                   ".....\n"
                                   ".....\n"
                                   "...1.\n");
}

TEST(Board, PlacePiecesAllowsExactlyTheFreeCount)
{
    Board board;
    board.Init(5, 5);
    CellPos all[25];
    int colours[25];
    for (int i = 0; i < 25; ++i) {
        all[i] = CellPos{i / 5, i % 5};
        colours[i] = i % 8;
    }
    EXPECT_TRUE(board.PlacePieces(25, all, colours));
    EXPECT_EQ(board.emptyCount, 0);
    EXPECT_EQ(CellAt(board, 4, 4), 24 % 8);

    // One more piece than there is room for: nothing changes.
    board.Init(5, 5);
    ASSERT_TRUE(board.PlacePieces(10, all, colours));
    const std::string before = BoardPicture(board);
    EXPECT_FALSE(board.PlacePieces(16, all + 9, colours));
    EXPECT_EQ(board.emptyCount, 15);
    EXPECT_EQ(BoardPicture(board), before);
}

TEST(Board, PlacePiecesFillsReservedCellsAndTakesThemFromTheFreeCount)
{
    Board board;
    LoadBoardPicture(board, {".....", ".#...", "...#.", ".....", "....."});
    EXPECT_EQ(board.emptyCount, 25);
    EXPECT_FALSE(board.IsEmptyCell(1, 1));
    EXPECT_TRUE(board.IsBoardEmpty());

    const CellPos picked[] = {{1, 1}, {2, 3}};
    const int colours[] = {2, 7};
    EXPECT_TRUE(board.PlacePieces(2, picked, colours));
    EXPECT_EQ(board.emptyCount, 23);
    EXPECT_EQ(CellAt(board, 1, 1), 2);
    EXPECT_EQ(CellAt(board, 2, 3), 7);
}

TEST(Board, FillCellsWritesOneColourOrNothing)
{
    Board board;
    LoadBoardPicture(board, {"11111", "1111.", "1....", ".....", "....."});
    ASSERT_EQ(board.emptyCount, 15);
    const CellPos run[] = {{2, 1}, {2, 2}, {2, 3}, {3, 0}};
    board.FillCells(4, run, 5);
    EXPECT_EQ(board.emptyCount, 11);
    EXPECT_EQ(BoardPicture(board), "11111\n"
                                   "1111.\n"
                                   "1555.\n"
                                   "5....\n"
                                   ".....\n");

    CellPos many[12];
    for (int i = 0; i < 12; ++i) {
        many[i] = CellPos{3 + i / 5, i % 5};
    }
    const std::string before = BoardPicture(board);
    board.FillCells(12, many, 0);
    EXPECT_EQ(board.emptyCount, 11);
    EXPECT_EQ(BoardPicture(board), before);
}

TEST(Board, RemovePiecesStopsAtTheFirstEmptyCellKeepingWhatItDid)
{
    Board board;
    LoadBoardPicture(board, {"3.3..", ".....", ".....", ".....", "....."});
    const CellPos cells[] = {{0, 0}, {0, 1}, {0, 2}};
    EXPECT_FALSE(board.RemovePieces(3, cells));
    EXPECT_EQ(board.emptyCount, 24);
    EXPECT_TRUE(board.IsEmptyCell(0, 0));
    EXPECT_EQ(CellAt(board, 0, 2), 3);

    const CellPos last[] = {{0, 2}};
    EXPECT_TRUE(board.RemovePieces(1, last));
    EXPECT_EQ(board.emptyCount, 25);
    EXPECT_TRUE(board.IsBoardEmpty());
}

TEST(Board, SwapCellsMovesAPieceWithoutChangingTheFreeCount)
{
    Board board;
    LoadBoardPicture(board, {"6....", ".....", ".....", ".....", "....2"});
    board.SwapCells(0, 0, 3, 1);
    EXPECT_EQ(board.emptyCount, 23);
    EXPECT_TRUE(board.IsEmptyCell(0, 0));
    EXPECT_EQ(CellAt(board, 3, 1), 6);
    board.SwapCells(3, 1, 4, 4);
    EXPECT_EQ(CellAt(board, 3, 1), 2);
    EXPECT_EQ(CellAt(board, 4, 4), 6);
}

TEST(Board, ReservedCellIsNotEmptyButTheBoardStillCountsAsEmpty)
{
    Board board;
    LoadBoardPicture(board, {"......", "..#...", "......", "......", "......"});
    EXPECT_TRUE(board.IsEmptyCell(1, 1));
    EXPECT_FALSE(board.IsEmptyCell(1, 2));
    EXPECT_TRUE(board.IsBoardEmpty());
}

TEST(Board, IsBoardEmptyFollowsTheLastPiece)
{
    Board board;
    board.Init(8, 6);
    EXPECT_TRUE(board.IsBoardEmpty());
    const CellPos cells[] = {{7, 5}, {0, 0}};
    const int colours[] = {0, 0};
    board.PlacePieces(2, cells, colours);
    EXPECT_FALSE(board.IsBoardEmpty());
    board.RemovePieces(1, cells);
    EXPECT_FALSE(board.IsBoardEmpty());
    board.RemovePieces(1, cells + 1);
    EXPECT_TRUE(board.IsBoardEmpty());

    board.PlacePieces(2, cells, colours);
    board.Clear();
    EXPECT_TRUE(board.IsBoardEmpty());
    EXPECT_EQ(board.emptyCount, 48);
}

TEST(Board, IsInsideKnowsRowsFromColumns)
{
    Board board;
    board.Init(6, 11);
    EXPECT_TRUE(board.IsInside(0, 0));
    EXPECT_TRUE(board.IsInside(5, 10));
    EXPECT_TRUE(board.IsInside(5, 7));
    EXPECT_FALSE(board.IsInside(-1, 0));
    EXPECT_FALSE(board.IsInside(0, -1));
    EXPECT_FALSE(board.IsInside(6, 0));
    EXPECT_FALSE(board.IsInside(0, 11));
    EXPECT_FALSE(board.IsInside(7, 5));
}
