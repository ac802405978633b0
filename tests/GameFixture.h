#pragma once

#include "FixtureColors.h"
#include "GameTestWindow.h"
#include "HeadlessTest.h"
#include "TempWorkingDir.h"

#include "board/PieceColors.h"
#include "game/GameController.h"
#include "tests/BoardPicture.h"
#include "tests/PixelProbe.h"

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// Playing values for a test, the animations off unless asked for.
inline GameSettings MakeSettings(int cols, int rows, int added, int line, int colours, int fade = 0,
                                 int travel = 0, int reward = 1, int pile = 1)
{
    GameSettings s;
    s.boardCols = cols;
    s.boardRows = rows;
    s.addedPieces = added;
    s.lineLength = line;
    s.colorCount = colours;
    s.fadeSpeed = fade;
    s.travelSpeed = travel;
    s.rewardEnabled = reward;
    s.rewardPile = pile;
    return s;
}

// The part of the game that Undo must give back exactly.
struct Position
{
    std::string cells;
    int emptyCount;
    int score;
    int nextColors[ADDED_PIECES_MAX];
    int deleteCredits;
};

inline Position TakePosition(const GameController& game)
{
    Position p{BoardPicture(game.board),
               game.board.emptyCount,
               game.scoreDisplay.value,
               {},
               game.deleteCredits};
    for (int i = 0; i < ADDED_PIECES_MAX; ++i) {
        p.nextColors[i] = i < game.settings.addedPieces ? game.nextColors[i] : 0;
    }
    return p;
}

inline bool operator==(const Position& a, const Position& b)
{
    for (int i = 0; i < ADDED_PIECES_MAX; ++i) {
        if (a.nextColors[i] != b.nextColors[i]) {
            return false;
        }
    }
    return a.cells == b.cells && a.emptyCount == b.emptyCount && a.score == b.score &&
           a.deleteCredits == b.deleteCredits;
}

inline void PrintTo(const Position& p, std::ostream* os)
{
    *os << "\n"
        << p.cells << "free " << p.emptyCount << ", score " << p.score << ", credits "
        << p.deleteCredits << ", next";
    for (int colour : p.nextColors) {
        *os << " " << colour;
    }
}

// A game controller on a test window in a fresh working directory, with a fixed random seed
// behind whatever values a test injects.
class GameTest : public HeadlessTest
{
protected:
    GameTest()
    {
        window.game = &game;
        window.Create();
        headless.Pump();
    }

    // Sets the game up and starts it; the injected values come out before the seeded ones.
    void Start(const GameSettings& settings, std::initializer_list<int> values = {})
    {
        game.Setup(30, settings, &window.previewRect, &window.scoreRect, &window);
        Random::Seed(1);
        Random::Inject(values);
        game.NewGame();
        headless.Pump();
    }

    // Replaces the board by a picture of the same size, with the given next colours, as if the
    // game had come to it, and repaints the window.
    void Arrange(std::initializer_list<const char*> picture, std::initializer_list<int> next = {})
    {
        LoadBoardPicture(game.board, picture);
        ASSERT_EQ(game.board.rows, game.settings.boardRows);
        ASSERT_EQ(game.board.cols, game.settings.boardCols);
        int i = 0;
        for (int colour : next) {
            game.nextColors[i++] = colour;
        }
        game.history.Clear();
        game.history.RecordNextColors(game.nextColors, game.settings.addedPieces);
        game.undoAvailable = 0;
        window.Invalidate(true);
        headless.Pump();
    }

    // The same for a board built in code: a piece of colour (2 row + col) mod 5 on every cell
    // of the first `filled` rows, so that no two neighbours in any direction share a colour.
    void ArrangePattern(int filled)
    {
        game.board.Clear();
        for (int row = 0; row < filled; ++row) {
            for (int col = 0; col < game.settings.boardCols; ++col) {
                game.board.cells[col + row * BOARD_STRIDE] = (2 * row + col) % 5;
                --game.board.emptyCount;
            }
        }
        game.history.Clear();
        game.history.RecordNextColors(game.nextColors, game.settings.addedPieces);
        game.undoAvailable = 0;
        window.Invalidate(true);
        headless.Pump();
    }

    // Selects the piece and sends it to the destination.
    int Move(int fromRow, int fromCol, int toRow, int toCol)
    {
        game.OnCellClick(fromRow, fromCol);
        return game.OnCellClick(toRow, toCol);
    }

    // Queues the random values that make the next arrivals land on the given cells (each value
    // is the cell's place among the free cells not yet taken, row by row) and then choose the
    // given next colours. When they follow a move, the cells are counted on the board after it.
    void InjectArrivals(std::initializer_list<CellPos> cells, std::initializer_list<int> next,
                        CellPos movedFrom = {-1, -1}, CellPos movedTo = {-1, -1})
    {
        std::vector<int> values;
        std::int32_t taken[BOARD_CELLS];
        for (int i = 0; i < BOARD_CELLS; ++i) {
            taken[i] = game.board.cells[i] != EMPTY_CELL;
        }
        if (movedFrom.row >= 0) {
            taken[movedFrom.col + movedFrom.row * BOARD_STRIDE] = 0;
            taken[movedTo.col + movedTo.row * BOARD_STRIDE] = 1;
        }
        for (const CellPos& cell : cells) {
            int k = 0;
            for (int i = 0; i < cell.col + cell.row * BOARD_STRIDE; ++i) {
                const bool inPlay = i % BOARD_STRIDE < game.settings.boardCols;
                k += inPlay && !taken[i] ? 1 : 0;
            }
            taken[cell.col + cell.row * BOARD_STRIDE] = 1;
            values.push_back(k);
        }
        values.insert(values.end(), next.begin(), next.end());
        ASSERT_TRUE(Random::Inject(values.data(), static_cast<int>(values.size())));
    }

    // What the client contexts drew must be what a full repaint of the game shows.
    void ExpectScreenMatchesPaint()
    {
        const PixelImage drawn = window.GetBackBuffer();
        window.Invalidate(true);
        headless.Pump();
        const PixelImage& painted = window.GetBackBuffer();
        const int differences = DifferentPixels(drawn, painted);
        EXPECT_EQ(differences, 0);
        for (int y = 0, shown = 0; differences > 0 && y < painted.height && shown < 5; ++y) {
            for (int x = 0; x < painted.width && shown < 5; ++x) {
                if (drawn.GetPixel(x, y) != painted.GetPixel(x, y)) {
                    ADD_FAILURE() << "differs at " << x << "," << y << ": " << std::hex
                                  << drawn.GetPixel(x, y) << " drawn, " << painted.GetPixel(x, y)
                                  << " painted";
                    ++shown;
                }
            }
        }
    }

    std::string Cells() const { return BoardPicture(game.board); }

    const PixelImage& Buffer() { return window.GetBackBuffer(); }

    // The colour at the centre of a cell as the window shows it.
    ColorRef CellCentre(int row, int col)
    {
        return Buffer().GetPixel(col * 30 + 15, row * 30 + 15);
    }

    TempWorkingDir dir;
    GameController game;
    GameTestWindow window;
};
