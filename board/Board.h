#pragma once

#include "board/CellPos.h"

#include <cstdint>

// Cell values besides the colour indices 0 to 7. A reserved cell has been picked for an arriving
// piece but not filled yet: it blocks routes and starts no run, yet still counts as free.
constexpr int EMPTY_CELL = -1;
constexpr int RESERVED_CELL = -2;

// The grid never changes size: a smaller board uses the top-left corner of a 20 by 20 array whose
// row stride stays 20, so the cell (row, col) is cells[col + row * BOARD_STRIDE].
constexpr int BOARD_STRIDE = 20;
constexpr int BOARD_CELLS = BOARD_STRIDE * BOARD_STRIDE;

// Room for the cells that one RemoveRuns can clear: four axes of at most 19 cells beside the
// given cell, plus that cell (77), rounded up.
constexpr int RUN_CELLS_MAX = 80;

// The state of play: which cells in the rows by cols corner hold a piece, and of which colour.
// The controller writes RESERVED_CELL into cells and reads cells and emptyCount directly.
class Board
{
public:
    Board();
    virtual ~Board() = default;

    void Init(int rows, int cols);
    void Clear();
    bool PlacePieces(int count, const CellPos* positions, const int* colours);
    void FillCells(int count, const CellPos* positions, int colour);
    bool RemovePieces(int count, const CellPos* positions);
    void SwapCells(int row1, int col1, int row2, int col2);
    bool IsEmptyCell(int row, int col) const;
    bool IsBoardEmpty() const;
    bool IsInside(int row, int col) const;

    // Searches the shortest route over free cells and writes it into route[0..L] (start first);
    // returns L, or 0 without writing anything when the destination cannot be reached.
    int FindPath(int fromRow, int fromCol, int toRow, int toCol, CellPos* route) const;

    // Clears every run of at least lineLength pieces of the given cell's colour through that
    // cell, writes the cleared cells into removed (at most 77) and returns their number.
    int RemoveRuns(int row, int col, int lineLength, CellPos* removed);

    std::int32_t cells[BOARD_CELLS];
    std::int32_t rows;
    std::int32_t cols;
    std::int32_t emptyCount;
    std::int32_t originRow;
    std::int32_t originCol;

private:
    int CountRun(int rowStep, int colStep, CellPos* out) const;
};
