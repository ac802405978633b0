#pragma once

#include <cstdint>

// A cell of the board: row 0 is the top row, col 0 the leftmost column. Routes, the cells of
// arriving pieces and the cells of cleared runs travel as arrays of these, owned by the caller.
struct CellPos
{
    std::int32_t row;
    std::int32_t col;
};

inline bool operator==(const CellPos& a, const CellPos& b)
{
    return a.row == b.row && a.col == b.col;
}

inline bool operator!=(const CellPos& a, const CellPos& b)
{
    return !(a == b);
}
