#pragma once

#include "board/Board.h"

#include <initializer_list>
#include <ostream>
#include <string>

// Boards drawn as text, one string per row: '.' an empty cell, '#' a reserved cell, '0' to '7' a
// piece of that colour. Loading inits the board to the picture's size and counts empty and
// reserved cells as free, as the game does.
void LoadBoardPicture(Board& board, std::initializer_list<const char*> picture);

// The cells in play in the same characters, rows separated by '\n'.
std::string BoardPicture(const Board& board);

// Lets GoogleTest print cells as (row, col) in failure messages.
void PrintTo(const CellPos& cell, std::ostream* os);
