#include "board/Board.h"
#include "tests/BoardPicture.h"
#include "tests/SnakeBoard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const CellPos UNTOUCHED{-7, -7};

struct Route
{
    CellPos cells[BOARD_CELLS];

    Route()
    {
        for (CellPos& cell : cells) {
            cell = UNTOUCHED;
        }
    }

    std::vector<CellPos> First(int count) const { return {cells, cells + count}; }
};

std::vector<CellPos> Cells(std::initializer_list<CellPos> cells)
{
    return cells;
}

bool Adjacent(CellPos a, CellPos b)
{
    return std::abs(a.row - b.row) + std::abs(a.col - b.col) == 1;
}

// Shortest number of steps over empty cells, found level by level with no queue and no
// neighbour order; -1 when the destination is not an empty cell reachable from the start.
int FloodDistance(const Board& board, CellPos from, CellPos to)
{
    std::vector<bool> seen(BOARD_CELLS, false);
    std::vector<CellPos> level{from};
    seen[from.col + from.row * BOARD_STRIDE] = true;
    for (int distance = 0; !level.empty(); ++distance) {
        std::vector<CellPos> next;
        for (const CellPos& cell : level) {
            if (cell == to) {
                return distance;
            }
            const CellPos around[] = {{cell.row - 1, cell.col},
                                      {cell.row, cell.col - 1},
                                      {cell.row, cell.col + 1},
                                      {cell.row + 1, cell.col}};
            for (const CellPos& n : around) {
                if (n.row < 0 || n.row >= board.rows || n.col < 0 || n.col >= board.cols) {
                    continue;
                }
                const int index = n.col + n.row * BOARD_STRIDE;
                if (!seen[index] && board.cells[index] == EMPTY_CELL) {
                    seen[index] = true;
                    next.push_back(n);
                }
            }
        }
        level.swap(next);
    }
    return -1;
}

} // namespace

TEST(BoardPath, RoutesOnAnEmptyBoardMakeHorizontalStepsFirst)
{
    Board board;
    LoadBoardPicture(board, {"0....", ".....", ".....", ".....", "....."});
    Route route;
    EXPECT_EQ(board.FindPath(0, 0, 2, 2, route.cells), 4);
    EXPECT_EQ(route.First(6), Cells({{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, UNTOUCHED}));

    Route near;
    EXPECT_EQ(board.FindPath(0, 0, 1, 1, near.cells), 2);
    EXPECT_EQ(near.First(4), Cells({{0, 0}, {0, 1}, {1, 1}, UNTOUCHED}));

    LoadBoardPicture(board, {".....", ".....", "..3..", ".....", "....."});
    Route up;
    EXPECT_EQ(board.FindPath(2, 2, 0, 0, up.cells), 4);
    EXPECT_EQ(up.First(5), Cells({{2, 2}, {2, 1}, {2, 0}, {1, 0}, {0, 0}}));
    Route down;
    EXPECT_EQ(board.FindPath(2, 2, 4, 4, down.cells), 4);
    EXPECT_EQ(down.First(5), Cells({{2, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 4}}));
}

TEST(BoardPath, NeighbouringDestinationTakesOneStep)
{
    Board board;
    LoadBoardPicture(board, {"......", "......", "...5..", "......", "......"});
    const CellPos around[] = {{1, 3}, {3, 3}, {2, 2}, {2, 4}};
    for (const CellPos& to : around) {
        Route route;
        EXPECT_EQ(board.FindPath(2, 3, to.row, to.col, route.cells), 1);
        EXPECT_EQ(route.First(3), Cells({{2, 3}, to, UNTOUCHED}));
    }
}

TEST(BoardPath, ClosedInOrOccupiedDestinationGivesNoRouteAndWritesNothing)
{
    Board board;
    LoadBoardPicture(board, {"0.1..", "..1..", "222..", "...3.", "..3.3"});
    const std::string before = BoardPicture(board);
    const CellPos unreachable[] = {{0, 3}, {4, 3}, {3, 3}, {2, 1}};
    for (const CellPos& to : unreachable) {
        Route route;
        EXPECT_EQ(board.FindPath(0, 0, to.row, to.col, route.cells), 0);
        EXPECT_EQ(route.cells[0], UNTOUCHED);
    }
    // The piece's own cell is no move either.
    Route route;
    EXPECT_EQ(board.FindPath(0, 0, 0, 0, route.cells), 0);
    EXPECT_EQ(route.cells[0], UNTOUCHED);
    EXPECT_EQ(BoardPicture(board), before);

    // A neighbour walled in by the board's corner and two pieces.
    LoadBoardPicture(board, {".1...", "12...", ".....", ".....", "....."});
    EXPECT_EQ(board.FindPath(1, 1, 0, 0, route.cells), 0);
}

TEST(BoardPath, ReservedCellBlocksLikeAPiece)
{
    Board board;
    LoadBoardPicture(board, {"6.#..", "11#..", ".....", ".....", "....."});
    Route route;
    EXPECT_EQ(board.FindPath(0, 0, 0, 4, route.cells), 0);

    // With a gap in the wall the route goes round the reserved cell.
    LoadBoardPicture(board, {"6.#..", "1.#..", ".....", ".....", "....."});
    EXPECT_EQ(board.FindPath(0, 0, 0, 3, route.cells), 7);
    EXPECT_EQ(route.First(8),
              Cells({{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 3}, {1, 3}, {0, 3}}));
}

TEST(BoardPath, LongestSnakeFitsTheRouteBuffer)
{
    Board board;
    LoadSnake(board, 4);
    Route route;
    ASSERT_EQ(board.FindPath(0, 0, 18, 0, route.cells), SNAKE_STEPS);
    EXPECT_EQ(route.cells[0], (CellPos{0, 0}));
    EXPECT_EQ(route.cells[19], (CellPos{0, 19}));
    EXPECT_EQ(route.cells[20], (CellPos{1, 19}));
    EXPECT_EQ(route.cells[208], (CellPos{18, 0}));
    for (int i = 1; i <= 208; ++i) {
        ASSERT_TRUE(Adjacent(route.cells[i - 1], route.cells[i])) << "step " << i;
    }
    EXPECT_EQ(route.cells[209], UNTOUCHED);
}

TEST(BoardPath, EveryRouteOnAnEmptyBoardIsHorizontalThenVertical)
{
    std::mt19937 random(7);
    Board board;
    for (int trial = 0; trial < 500; ++trial) {
        const int rows = 2 + static_cast<int>(random() % 19);
        const int cols = 2 + static_cast<int>(random() % 19);
        board.Init(rows, cols);
        const CellPos from{static_cast<int>(random() % rows), static_cast<int>(random() % cols)};
        CellPos to{static_cast<int>(random() % rows), static_cast<int>(random() % cols)};
        if (to == from) {
            to.col = (to.col + 1) % cols;
        }
        board.cells[from.col + from.row * BOARD_STRIDE] = 0;
        --board.emptyCount;

        Route route;
        const int length = board.FindPath(from.row, from.col, to.row, to.col, route.cells);
        const int across = std::abs(to.col - from.col);
        ASSERT_EQ(length, across + std::abs(to.row - from.row));
        for (int i = 1; i <= length; ++i) {
            const bool horizontal = route.cells[i].row == route.cells[i - 1].row;
            ASSERT_EQ(horizontal, i <= across) << rows << "x" << cols << " step " << i;
        }
        EXPECT_EQ(route.cells[length], to);
    }
}

// Seeded random boards of random shapes: FindPath agrees with an independent flood fill on
// whether and how far, returns a chain of free cells, and leaves the board as it was.
TEST(BoardPath, RoutesAreShortestChainsOfFreeCellsOnRandomBoards)
{
    std::mt19937 random(20240501);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Board board;
    int found = 0;
    int refused = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        const int rows = 2 + static_cast<int>(random() % 19);
        const int cols = 2 + static_cast<int>(random() % 19);
        const double density = unit(random) * 0.6;
        board.Init(rows, cols);
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                const double p = unit(random);
                int& cell = board.cells[col + row * BOARD_STRIDE];
                if (p < density) {
                    cell = static_cast<int>(random() % 8);
                    --board.emptyCount;
                } else if (p < density + 0.03) {
                    cell = RESERVED_CELL;
                }
            }
        }
        const CellPos from{static_cast<int>(random() % rows), static_cast<int>(random() % cols)};
        int& start = board.cells[from.col + from.row * BOARD_STRIDE];
        if (start < 0) {
            start = 2;
            --board.emptyCount;
        }
        CellPos to{static_cast<int>(random() % rows), static_cast<int>(random() % cols)};
        if (to == from) {
            to.row = (to.row + 1) % rows;
        }

        const Board before = board;
        Route route;
        const int length = board.FindPath(from.row, from.col, to.row, to.col, route.cells);
        const int expected = FloodDistance(board, from, to);
        SCOPED_TRACE(testing::Message() << "trial " << trial << "\n" << BoardPicture(board));

        ASSERT_EQ(length, expected < 0 ? 0 : expected);
        if (length == 0) {
            ++refused;
            ASSERT_EQ(route.cells[0], UNTOUCHED);
        } else {
            ++found;
            ASSERT_EQ(route.cells[0], from);
            ASSERT_EQ(route.cells[length], to);
            for (int i = 1; i <= length; ++i) {
                const CellPos cell = route.cells[i];
                ASSERT_TRUE(board.IsInside(cell.row, cell.col));
                ASSERT_TRUE(board.IsEmptyCell(cell.row, cell.col)) << "step " << i;
                ASSERT_TRUE(Adjacent(route.cells[i - 1], cell)) << "step " << i;
            }
            ASSERT_EQ(route.cells[length + 1], UNTOUCHED);
        }

        for (int i = 0; i < BOARD_CELLS; ++i) {
            ASSERT_EQ(board.cells[i], before.cells[i]) << "element " << i;
        }
        ASSERT_EQ(board.rows, before.rows);
        ASSERT_EQ(board.cols, before.cols);
        ASSERT_EQ(board.emptyCount, before.emptyCount);
        ASSERT_EQ(board.originRow, before.originRow);
        ASSERT_EQ(board.originCol, before.originCol);
    }
    // Both outcomes must have been exercised often for the comparison to mean anything.
    EXPECT_GT(found, 1000);
    EXPECT_GT(refused, 1000);
}
