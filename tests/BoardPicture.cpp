#include "tests/BoardPicture.h"

#include <cstring>
#include <stdexcept>

void LoadBoardPicture(Board& board, std::initializer_list<const char*> picture)
{
    const int rows = static_cast<int>(picture.size());
    const int cols = rows > 0 ? static_cast<int>(std::strlen(*picture.begin())) : 0;
    board.Init(rows, cols);
    int row = 0;
    for (const char* line : picture) {
        if (static_cast<int>(std::strlen(line)) != cols) {
            throw std::invalid_argument("board picture rows differ in length");
        }
        for (int col = 0; col < cols; ++col) {
            const char c = line[col];
            int value = EMPTY_CELL;
            if (c == '#') {
                value = RESERVED_CELL;
            } else if (c >= '0' && c <= '7') {
                value = c - '0';
                --board.emptyCount;
            } else if (c != '.') {
                throw std::invalid_argument("unknown character in board picture");
            }
            board.cells[col + row * BOARD_STRIDE] = value;
        }
        ++row;
    }
}

std::string BoardPicture(const Board& board)
{
    std::string text;
    for (int row = 0; row < board.rows; ++row) {
        for (int col = 0; col < board.cols; ++col) {
            const int value = board.cells[col + row * BOARD_STRIDE];
            if (value == EMPTY_CELL) {
                text += '.';
            } else if (value == RESERVED_CELL) {
                text += '#';
            } else if (value >= 0 && value <= 7) {
                text += static_cast<char>('0' + value);
            } else {
                text += '?';
            }
        }
        text += '\n';
    }
    return text;
}

void PrintTo(const CellPos& cell, std::ostream* os)
{
    *os << "(" << cell.row << ", " << cell.col << ")";
}
