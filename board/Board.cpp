#include "board/Board.h"

#include <cassert>

namespace {

int CellIndex(int row, int col)
{
    return col + row * BOARD_STRIDE;
}

// The axes of a run, each as its first and its second direction (row step, column step):
// vertical, horizontal, rising diagonal, falling diagonal.
constexpr int AXIS_ROW_STEP[4][2] = {{-1, 1}, {0, 0}, {-1, 1}, {-1, 1}};
constexpr int AXIS_COL_STEP[4][2] = {{0, 0}, {-1, 1}, {1, -1}, {-1, 1}};

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

// A breadth-first search over free cells, on a copy of the board framed by a border of blocked
// cells so that no step needs a bounds check. The grid holds 0 for a free cell not yet reached,
// -1 for a blocked one and k >= 1 for a cell reached in k - 1 steps. Each cell is queued at most
// once, so the queue is a plain array read front to back, and the search allocates nothing.
int Board::FindPath(int fromRow, int fromCol, int toRow, int toCol, CellPos* route) const
{
    assert(IsInside(fromRow, fromCol) && IsInside(toRow, toCol));
    constexpr int STRIDE = BOARD_STRIDE + 2;
    const int from = (fromRow + 1) * STRIDE + fromCol + 1;
    const int to = (toRow + 1) * STRIDE + toCol + 1;
    // An occupied destination is never reached, and the piece's own cell is no move.
    if (from == to || cells[CellIndex(toRow, toCol)] != EMPTY_CELL) {
        return 0;
    }
    std::int16_t grid[STRIDE * STRIDE];
    for (int col = 0; col < cols + 2; ++col) {
        grid[col] = -1;
        grid[(rows + 1) * STRIDE + col] = -1;
    }
    for (int row = 0; row < rows; ++row) {
        std::int16_t* line = grid + (row + 1) * STRIDE;
        const std::int32_t* source = cells + row * BOARD_STRIDE;
        line[0] = -1;
        for (int col = 0; col < cols; ++col) {
            line[col + 1] = source[col] == EMPTY_CELL ? 0 : -1;
        }
        line[cols + 1] = -1;
    }
    // The four neighbours in the order that both the search and its walk back use: below, above,
    // right, left. Walking back, vertical steps are preferred, so a route walked forward makes its
    // horizontal steps first whenever the board leaves the choice.
    const int step[4] = {STRIDE, -STRIDE, 1, -1};

    std::int16_t queue[BOARD_CELLS];
    int head = 0;
    int tail = 0;
    grid[from] = 1;
    queue[tail++] = static_cast<std::int16_t>(from);
    // Distances do not depend on the order of the search, so it may stop as soon as the
    // destination is reached.
    while (head < tail && grid[to] == 0) {
        const int cell = queue[head++];
        const std::int16_t next = static_cast<std::int16_t>(grid[cell] + 1);
        for (int n = 0; n < 4; ++n) {
            const int neighbour = cell + step[n];
            if (grid[neighbour] == 0) {
                grid[neighbour] = next;
                queue[tail++] = static_cast<std::int16_t>(neighbour);
            }
        }
    }
    const int destination = grid[to];
    if (destination <= 1) {
        return 0;
    }

    // Walk back from the destination, each time to the first neighbour one step nearer the start.
    // Every cell nearer than the destination already holds its final value, so one always exists.
    const int length = destination - 1;
    int cell = to;
    route[length] = CellPos{toRow, toCol};
    for (int k = length; k > 0; --k) {
        for (int n = 0; n < 4; ++n) {
            if (grid[cell + step[n]] == k) {
                cell += step[n];
                break;
            }
        }
        route[k - 1] = CellPos{cell / STRIDE - 1, cell % STRIDE - 1};
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
