#include "board/Board.h"
#include "tests/BoardPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

struct Removed
{
    CellPos cells[RUN_CELLS_MAX];
    int n = 0;

    Removed()
    {
        for (CellPos& cell : cells) {
            cell = CellPos{-7, -7};
        }
    }

    int Run(Board& board, int row, int col, int lineLength)
    {
        n = board.RemoveRuns(row, col, lineLength, cells);
        return n;
    }

    std::vector<CellPos> List() const { return {cells, cells + n}; }
};

bool Before(const CellPos& a, const CellPos& b)
{
    return a.row != b.row ? a.row < b.row : a.col < b.col;
}

int CountPieces(const Board& board)
{
    int pieces = 0;
    for (int row = 0; row < board.rows; ++row) {
        for (int col = 0; col < board.cols; ++col) {
            pieces += board.cells[col + row * BOARD_STRIDE] >= 0 ? 1 : 0;
        }
    }
    return pieces;
}

// Every cell on the four lines through the given cell that belongs to a long enough stretch of
// its colour, found by scanning each whole line of the board; sorted, the given cell once.
std::vector<CellPos> BruteForceRuns(const Board& board, CellPos at, int lineLength)
{
    const int colour = board.cells[at.col + at.row * BOARD_STRIDE];
    std::vector<CellPos> found;
    if (colour < 0) {
        return found;
    }
    const int directions[4][2] = {{1, 0}, {0, 1}, {1, -1}, {1, 1}};
    for (const auto& d : directions) {
        // Back up to where the line enters the board, then scan it end to end.
        CellPos cell = at;
        while (board.IsInside(cell.row - d[0], cell.col - d[1])) {
            cell = CellPos{cell.row - d[0], cell.col - d[1]};
        }
        std::vector<CellPos> stretch;
        bool holdsGiven = false;
        for (; board.IsInside(cell.row, cell.col);
             cell = CellPos{cell.row + d[0], cell.col + d[1]}) {
            if (board.cells[cell.col + cell.row * BOARD_STRIDE] == colour) {
                stretch.push_back(cell);
                holdsGiven = holdsGiven || cell == at;
                continue;
            }
            if (holdsGiven) {
                break;
            }
            stretch.clear();
        }
        if (holdsGiven && static_cast<int>(stretch.size()) >= lineLength) {
            found.insert(found.end(), stretch.begin(), stretch.end());
        }
    }
    std::sort(found.begin(), found.end(), Before);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace

TEST(BoardRuns, EmptyOrReservedCellFindsNothing)
{
    Board board;
    LoadBoardPicture(board, {"11.11", "..#..", ".....", ".....", "....."});
    board.originRow = 4;
    board.originCol = 4;
    Removed removed;
    EXPECT_EQ(removed.Run(board, 0, 2, 3), 0);
    EXPECT_EQ(removed.Run(board, 1, 2, 3), 0);
    EXPECT_EQ(removed.cells[0], (CellPos{-7, -7}));
    EXPECT_EQ(board.emptyCount, 21);
    EXPECT_EQ(board.originRow, 4);
    EXPECT_EQ(board.originCol, 4);
}

TEST(BoardRuns, RunOfTheLineLengthIsClearedAndOneShorterIsNot)
{
    Board board;
    LoadBoardPicture(board, {".......", "2111112", ".......", ".......", "......."});
    Removed removed;
    ASSERT_EQ(removed.Run(board, 1, 3, 5), 5);
    EXPECT_EQ(removed.List(), (std::vector<CellPos>{{1, 2}, {1, 1}, {1, 4}, {1, 5}, {1, 3}}));
    EXPECT_EQ(board.emptyCount, 35 - 2);
    EXPECT_EQ(board.originRow, 1);
    EXPECT_EQ(board.originCol, 3);
    EXPECT_EQ(BoardPicture(board), ".......\n"
                                   "2.....2\n"
                                   ".......\n"
                                   ".......\n"
                                   ".......\n");

    LoadBoardPicture(board, {".......", "2111122", ".......", ".......", "......."});
    const std::string before = BoardPicture(board);
    EXPECT_EQ(removed.Run(board, 1, 1, 5), 0);
    EXPECT_EQ(BoardPicture(board), before);
    EXPECT_EQ(board.emptyCount, 28);
}

TEST(BoardRuns, LongerRunIsClearedWhole)
{
    Board board;
    LoadBoardPicture(board, {"3333333", "...3...", ".......", ".......", "......."});
    Removed removed;
    ASSERT_EQ(removed.Run(board, 0, 2, 5), 7);
    EXPECT_EQ(removed.List(),
              (std::vector<CellPos>{{0, 1}, {0, 0}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 2}}));
    EXPECT_EQ(board.emptyCount, 34);
}

TEST(BoardRuns, RunThatMissesTheGivenCellIsIgnored)
{
    Board board;
    LoadBoardPicture(board, {"22222", "..2..", ".....", ".....", "....."});
    const std::string before = BoardPicture(board);
    Removed removed;
    EXPECT_EQ(removed.Run(board, 1, 2, 5), 0);
    EXPECT_EQ(BoardPicture(board), before);
}

TEST(BoardRuns, DiagonalsStopAtTheBoardsEdgeAndAtAnotherColour)
{
    Board board;
    LoadBoardPicture(board, {"....3", "...3.", "..3..", ".3...", "3...."});
    Removed removed;
    ASSERT_EQ(removed.Run(board, 2, 2, 5), 5);
    EXPECT_EQ(removed.List(), (std::vector<CellPos>{{1, 3}, {0, 4}, {3, 1}, {4, 0}, {2, 2}}));

    // Edge above the run, another colour below it: four pieces between them.
    const std::initializer_list<const char*> falling = {"4.....", ".4....", "..4...",
                                                        "...4..", "....5.", ".....4"};
    LoadBoardPicture(board, falling);
    EXPECT_EQ(removed.Run(board, 1, 1, 5), 0);
    ASSERT_EQ(removed.Run(board, 1, 1, 4), 4);
    EXPECT_EQ(removed.List(), (std::vector<CellPos>{{0, 0}, {2, 2}, {3, 3}, {1, 1}}));
    EXPECT_EQ(board.cells[5 + 5 * BOARD_STRIDE], 4);
}

TEST(BoardRuns, CrossingRunsCountTheGivenCellOnceAndLast)
{
    Board board;
    LoadBoardPicture(board, {"..1..", "..1..", "11111", "..1..", "..1.."});
    Removed removed;
    ASSERT_EQ(removed.Run(board, 2, 2, 5), 9);
    EXPECT_EQ(removed.List(),
              (std::vector<CellPos>{
                  {1, 2}, {0, 2}, {3, 2}, {4, 2}, {2, 1}, {2, 0}, {2, 3}, {2, 4}, {2, 2}}));
    EXPECT_EQ(board.emptyCount, 25);
    EXPECT_TRUE(board.IsBoardEmpty());

    // A horizontal run and a falling diagonal, each of five.
    LoadBoardPicture(board, {"6......", ".6.....", "..66666", "...6...", "....6..", "......."});
    ASSERT_EQ(removed.Run(board, 2, 2, 5), 9);
    EXPECT_EQ(removed.List(),
              (std::vector<CellPos>{
                  {2, 3}, {2, 4}, {2, 5}, {2, 6}, {1, 1}, {0, 0}, {3, 3}, {4, 4}, {2, 2}}));
    EXPECT_TRUE(board.IsBoardEmpty());
}

TEST(BoardRuns, AllFourAxesOnTheLargestBoard)
{
    Board board;
    board.Init(20, 20);
    std::vector<CellPos> placed;
    for (int i = 0; i < 20; ++i) {
        placed.push_back({10, i});
        placed.push_back({i, 10});
        placed.push_back({i, i});
        if (i > 0) {
            placed.push_back({i, 20 - i});
        }
    }
    std::sort(placed.begin(), placed.end(), Before);
    placed.erase(std::unique(placed.begin(), placed.end()), placed.end());
    board.FillCells(static_cast<int>(placed.size()), placed.data(), 7);
    ASSERT_EQ(board.emptyCount, 400 - 76);

    Removed removed;
    ASSERT_EQ(removed.Run(board, 10, 10, 5), 76);
    // Vertical 10 + 9, horizontal 10 + 9, rising 9 + 9, falling 10 + 9, the given cell.
    EXPECT_EQ(removed.cells[0], (CellPos{9, 10}));
    EXPECT_EQ(removed.cells[9], (CellPos{0, 10}));
    EXPECT_EQ(removed.cells[10], (CellPos{11, 10}));
    EXPECT_EQ(removed.cells[19], (CellPos{10, 9}));
    EXPECT_EQ(removed.cells[37], (CellPos{10, 19}));
    EXPECT_EQ(removed.cells[38], (CellPos{9, 11}));
    EXPECT_EQ(removed.cells[55], (CellPos{19, 1}));
    EXPECT_EQ(removed.cells[56], (CellPos{9, 9}));
    EXPECT_EQ(removed.cells[74], (CellPos{19, 19}));
    EXPECT_EQ(removed.cells[75], (CellPos{10, 10}));
    EXPECT_TRUE(board.IsBoardEmpty());
}

TEST(BoardRuns, LineLengthThreeTakesTwoNeighboursOnOneAxis)
{
    Board board;
    const std::initializer_list<const char*> row = {"111..", ".....", ".....", ".....", "....."};
    Removed removed;
    LoadBoardPicture(board, row);
    EXPECT_EQ(removed.Run(board, 0, 0, 3), 3);
    LoadBoardPicture(board, row);
    EXPECT_EQ(removed.Run(board, 0, 1, 3), 3);
    EXPECT_EQ(removed.List(), (std::vector<CellPos>{{0, 0}, {0, 2}, {0, 1}}));

    LoadBoardPicture(board, {"11...", "1....", ".....", ".....", "....."});
    EXPECT_EQ(removed.Run(board, 0, 0, 3), 0);
}

TEST(BoardRuns, PieceClearedByAnEarlierSearchOfTheSameDropFindsNothing)
{
    Board board;
    LoadBoardPicture(board, {"55555", ".....", ".....", ".....", "....."});
    Removed removed;
    EXPECT_EQ(removed.Run(board, 0, 1, 5), 5);
    EXPECT_EQ(removed.Run(board, 0, 3, 5), 0);
    EXPECT_EQ(board.emptyCount, 25);
}

// Seeded random boards, dense and in few colours so that runs are common: RemoveRuns clears
// exactly what a scan of the four whole lines finds, leaves every other cell alone, and keeps the
// free count equal to the cells without a piece.
TEST(BoardRuns, ClearsExactlyTheRunsThatAScanFindsOnRandomBoards)
{
    std::mt19937 random(1999);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Board board;
    int cleared = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int rows = 2 + static_cast<int>(random() % 19);
        const int cols = 2 + static_cast<int>(random() % 19);
        const int colours = 1 + static_cast<int>(random() % 3);
        const double density = 0.5 + unit(random) * 0.5;
        board.Init(rows, cols);
        std::vector<CellPos> positions;
        std::vector<int> colourList;
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                const double p = unit(random);
                if (p < density) {
                    positions.push_back({row, col});
                    colourList.push_back(static_cast<int>(random() % colours));
                } else if (p < density + 0.05) {
                    board.cells[col + row * BOARD_STRIDE] = RESERVED_CELL;
                }
            }
        }
        const int count = static_cast<int>(positions.size());
        ASSERT_TRUE(board.PlacePieces(count, positions.data(), colourList.data()));

        for (int search = 0; search < 4; ++search) {
            const CellPos at{static_cast<int>(random() % rows), static_cast<int>(random() % cols)};
            const int lineLength = 3 + static_cast<int>(random() % 5);
            const Board before = board;
            const std::vector<CellPos> expected = BruteForceRuns(board, at, lineLength);
            SCOPED_TRACE(testing::Message() << "trial " << trial << " at (" << at.row << ", "
                                            << at.col << ") line " << lineLength << "\n"
                                            << BoardPicture(before));

            Removed removed;
            const int n = removed.Run(board, at.row, at.col, lineLength);
            std::vector<CellPos> got = removed.List();
            if (n > 0) {
                ++cleared;
                ASSERT_EQ(got.back(), at);
            }
            std::sort(got.begin(), got.end(), Before);
            ASSERT_EQ(got, expected);

            ASSERT_EQ(board.emptyCount, before.emptyCount + n);
            ASSERT_EQ(board.emptyCount, rows * cols - CountPieces(board));
            for (int i = 0; i < BOARD_CELLS; ++i) {
                const CellPos cell{i / BOARD_STRIDE, i % BOARD_STRIDE};
                const bool gone = std::binary_search(got.begin(), got.end(), cell, Before);
                ASSERT_EQ(board.cells[i], gone ? EMPTY_CELL : before.cells[i]) << "element " << i;
            }
        }
    }
    EXPECT_GT(cleared, 1000);
}
