#pragma once

#include "board/Board.h"

// The longest route on the largest board, shared by the route tests and the benchmark: a
// serpentine whose even rows are corridors and whose odd rows are walls with one gap at
// alternating ends, the last row all wall. The piece waits at (0, 0) in the given colour and the
// far end of the snake, (18, 0), is SNAKE_STEPS away.
constexpr int SNAKE_STEPS = 208;

inline void LoadSnake(Board& board, int pieceColour)
{
    board.Init(20, 20);
    for (int row = 1; row < 20; row += 2) {
        const int gap = row == 19 ? -1 : (row % 4 == 1 ? 19 : 0);
        for (int col = 0; col < 20; ++col) {
            if (col != gap) {
                board.cells[col + row * BOARD_STRIDE] = 1;
                --board.emptyCount;
            }
        }
    }
    board.cells[0] = pieceColour;
    --board.emptyCount;
}
