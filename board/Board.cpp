#include "board/Board.h"

#include <cassert>

namespace {

int CellIndex(int row, int col)
{
    return col + row * BOARD_STRIDE;
}

// The four neighbours in the order that both the route search and its walk back use: below,
// above, right, left. Walking back, vertical steps are preferred, so a route walked forward makes
// its horizontal steps first whenever the board leaves the choice.
constexpr int NEIGHBOUR_ROW_STEP[4] = {1, -1, 0, 0};
constexpr int NEIGHBOUR_COL_STEP[4] = {0, 0, 1, -1};

// The axes of a run, each as its first and its second direction (row step, column step):
// vertical, horizontal, rising diagonal, falling diagonal.
constexpr int AXIS_ROW_STEP[4][2] = {{-1, 1}, {0, 0}, {-1, 1}, {-1, 1}};
constexpr int AXIS_COL_STEP[4][2] = {{0, 0}, {-1, 1}, {1, -1}, {-1, 1}};

struct SearchNode
{
    int row;
    int col;
    int distance;
};

} // namespace

// An empty 0 by 0 board, so that nothing reads undefined values before the first Init.
Board::Board() : rows(0), cols(0), emptyCount(0), originRow(0), originCol(0)
{
    Clear();
}

void Board::Init(int rows, int cols)
{
    assert(rows >= 0 && rows <= BOARD_STRIDE && cols >= 0 && cols <= BOARD_STRIDE);
    this->rows = rows;
    this->cols = cols;
    Clear();
}

void Board::Clear()
{
    for (std::int32_t& cell : cells) {
        cell = EMPTY_CELL;
    }
    emptyCount = rows * cols;
}

bool Board::PlacePieces(int count, const CellPos* positions, const int* colours)
{
    if (count > emptyCount) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        cells[CellIndex(positions[i].row, positions[i].col)] = colours[i];
    }
    emptyCount -= count;
    return true;
}

void Board::FillCells(int count, const CellPos* positions, int colour)
{
    if (count > emptyCount) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        cells[CellIndex(positions[i].row, positions[i].col)] = colour;
    }
    emptyCount -= count;
}

// Stops at the first cell that is already empty and keeps what it did before it, so the free
// count always matches the cells that really changed.
bool Board::RemovePieces(int count, const CellPos* positions)
{
    for (int i = 0; i < count; ++i) {
        std::int32_t& cell = cells[CellIndex(positions[i].row, positions[i].col)];
        if (cell == EMPTY_CELL) {
            return false;
        }
        cell = EMPTY_CELL;
        ++emptyCount;
    }
    return true;
}

void Board::SwapCells(int row1, int col1, int row2, int col2)
{
    std::int32_t& a = cells[CellIndex(row1, col1)];
    std::int32_t& b = cells[CellIndex(row2, col2)];
    const std::int32_t held = a;
    a = b;
    b = held;
}

bool Board::IsEmptyCell(int row, int col) const
{
    return cells[CellIndex(row, col)] == EMPTY_CELL;
}

bool Board::IsBoardEmpty() const
{
    return emptyCount == rows * cols;
}

bool Board::IsInside(int row, int col) const
{
    return row >= 0 && row < rows && col >= 0 && col < cols;
}

// A breadth-first search over free cells. The distance grid holds 0 for a free cell not yet
// reached, -1 for a blocked one and k >= 1 for a cell reached in k - 1 steps; only the cells in
// play are touched. Each cell is queued at most once, when its value goes from 0 to positive, so
// a ring of BOARD_CELLS nodes on the stack never overflows and the search allocates nothing.
int Board::FindPath(int fromRow, int fromCol, int toRow, int toCol, CellPos* route) const
{
    assert(IsInside(fromRow, fromCol) && IsInside(toRow, toCol));
    std::int32_t grid[BOARD_CELLS];
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            grid[CellIndex(row, col)] = cells[CellIndex(row, col)] == EMPTY_CELL ? 0 : -1;
        }
    }

    SearchNode queue[BOARD_CELLS];
    int head = 0;
    int tail = 0;
    int queued = 0;
    grid[CellIndex(fromRow, fromCol)] = 1;
    queue[tail] = SearchNode{fromRow, fromCol, 1};
    tail = (tail + 1) % BOARD_CELLS;
    ++queued;

    int destination = 0;
    while (queued > 0) {
        const SearchNode node = queue[head];
        head = (head + 1) % BOARD_CELLS;
        --queued;
        // The destination counts when it leaves the queue, not when it enters it.
        if (node.row == toRow && node.col == toCol) {
            destination = node.distance;
            break;
        }
        for (int n = 0; n < 4; ++n) {
            const int row = node.row + NEIGHBOUR_ROW_STEP[n];
            const int col = node.col + NEIGHBOUR_COL_STEP[n];
            if (IsInside(row, col) && grid[CellIndex(row, col)] == 0) {
                grid[CellIndex(row, col)] = node.distance + 1;
                queue[tail] = SearchNode{row, col, node.distance + 1};
                tail = (tail + 1) % BOARD_CELLS;
                ++queued;
            }
        }
    }
    // Not reached, or the start itself: a piece that stays put makes no move.
    if (destination <= 1) {
        return 0;
    }

    // Walk back from the destination, each time to the first neighbour one step nearer the start.
    // Every cell nearer than the destination already holds its final value, so one always exists.
    const int length = destination - 1;
    int row = toRow;
    int col = toCol;
    route[length] = CellPos{row, col};
    for (int k = length; k > 0; --k) {
        for (int n = 0; n < 4; ++n) {
            const int nextRow = row + NEIGHBOUR_ROW_STEP[n];
            const int nextCol = col + NEIGHBOUR_COL_STEP[n];
            if (IsInside(nextRow, nextCol) && grid[CellIndex(nextRow, nextCol)] == k) {
                row = nextRow;
                col = nextCol;
                break;
            }
        }
        route[k - 1] = CellPos{row, col};
    }
    return length;
}

// Runs are measured first and cleared afterwards, so every axis compares against the given cell's
// colour. Output order: qualifying axes in order, each first direction then second, walked
// outward; the given cell once, last.
int Board::RemoveRuns(int row, int col, int lineLength, CellPos* removed)
{
    if (cells[CellIndex(row, col)] < 0) {
        return 0;
    }
    originRow = row;
    originCol = col;

    CellPos first[BOARD_STRIDE];
    CellPos second[BOARD_STRIDE];
    int n = 0;
    for (int axis = 0; axis < 4; ++axis) {
        const int a = CountRun(AXIS_ROW_STEP[axis][0], AXIS_COL_STEP[axis][0], first);
        const int b = CountRun(AXIS_ROW_STEP[axis][1], AXIS_COL_STEP[axis][1], second);
        if (a + b + 1 >= lineLength) {
            for (int i = 0; i < a; ++i) {
                removed[n++] = first[i];
            }
            for (int i = 0; i < b; ++i) {
                removed[n++] = second[i];
            }
        }
    }
    if (n > 0) {
        removed[n++] = CellPos{row, col};
    }

    for (int i = 0; i < n; ++i) {
        cells[CellIndex(removed[i].row, removed[i].col)] = EMPTY_CELL;
    }
    emptyCount += n;
    return n;
}

// Walks from the origin in one direction while the cells keep the origin's colour; the walk
// stops at the board's edge, an empty or reserved cell, or another colour.
int Board::CountRun(int rowStep, int colStep, CellPos* out) const
{
    const std::int32_t colour = cells[CellIndex(originRow, originCol)];
    int count = 0;
    int row = originRow + rowStep;
    int col = originCol + colStep;
    while (IsInside(row, col) && cells[CellIndex(row, col)] == colour) {
        out[count++] = CellPos{row, col};
        row += rowStep;
        col += colStep;
    }
    return count;
}
