#pragma once

#include "platform/Color.h"

#include <cassert>

constexpr int PIECE_COLOR_COUNT = 8;

// The piece colours by colour index: red, yellow, magenta, green, cyan, blue, white, black. With n
// colours in play the pieces use indices 0 to n - 1, so black appears only with all eight.
constexpr ColorRef PieceColors[PIECE_COLOR_COUNT] = {
    Rgb(255, 0, 0),   Rgb(255, 255, 0), Rgb(255, 0, 255),   Rgb(0, 255, 0),
    Rgb(0, 255, 255), Rgb(0, 0, 255),   Rgb(255, 255, 255), Rgb(0, 0, 0),
};

// PieceColors[index], for an index that a piece can hold.
inline ColorRef PieceColor(int index)
{
    assert(index >= 0 && index < PIECE_COLOR_COUNT);
    return PieceColors[index];
}

// The colour index of a piece colour; -1 for a colour no piece has.
inline int PieceColorIndex(ColorRef color)
{
    for (int index = 0; index < PIECE_COLOR_COUNT; ++index) {
        if (PieceColors[index] == color) {
            return index;
        }
    }
    return -1;
}
