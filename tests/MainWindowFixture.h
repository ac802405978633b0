#pragma once

#include "FixtureColors.h"
#include "HeadlessTest.h"
#include "TempConfigHome.h"
#include "TempWorkingDir.h"

#include "app/MainDialog.h"
#include "board/PieceColors.h"
#include "platform/Bitmap.h"
#include "platform/Menu.h"
#include "res/Art.h"
#include "settings/PlayingValues.h"
#include "tests/BoardPicture.h"
#include "tests/PixelProbe.h"

#include <initializer_list>
#include <ostream>
#include <string>

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const Rect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

// The whole main window on the headless backend, in a fresh working directory and configuration
// folder. Open starts it the way the program does (templates, defaults.kvd, the view options, the
// first game); the tests then drive it with the player's input.
class MainWindowTest : public HeadlessTest
{
protected:
    // Writes defaults.kvd for the board unless it is the factory one, then opens the window. The
    // values go to the first game (next colours, cells, next colours again); after the start
    // the generator is seeded, so that every run of a test plays the same game.
    void Open(int cols = 9, int rows = 9, int added = 3, int line = 5, int colours = 6,
              std::initializer_list<int> values = {})
    {
        if (cols != 9 || rows != 9 || added != 3 || line != 5 || colours != 6) {
            PlayingValues defaults;
            defaults.colsIndex = cols - BOARD_SIZE_FIRST;
            defaults.rowsIndex = rows - BOARD_SIZE_FIRST;
            defaults.addedIndex = added - ADDED_PIECES_FIRST;
            defaults.lineIndex = line - LINE_LENGTH_FIRST;
            defaults.colorsIndex = colours - COLOR_COUNT_FIRST;
            ASSERT_TRUE(defaults.WriteDefaultsFile());
        }
        Random::Inject(values);
        ASSERT_TRUE(window.Create());
        Random::Seed(1);
        headless.Pump();
    }

    // Replaces the board with a picture of the same size (the next colours stay), forgets the
    // last move and repaints.
    void Arrange(std::initializer_list<const char*> picture)
    {
        GameController& game = window.controller;
        LoadBoardPicture(game.board, picture);
        ASSERT_EQ(game.board.cols, window.settings.boardCols);
        ASSERT_EQ(game.board.rows, window.settings.boardRows);
        game.history.Clear();
        game.history.RecordNextColors(game.nextColors, game.settings.addedPieces);
        window.Invalidate(true);
        headless.Pump();
    }

    // Moves the piece at (0, 6) into the gap of a red run of five: a run of six with line 5
    // under "Pile" scores 6 and earns one delete credit.
    void EarnOneCredit()
    {
        Arrange({"11111.1..", "2........", ".........", ".........", ".........", ".........",
                 ".........", ".........", "........."});
        ClickCell(0, 6);
        ClickCell(0, 5);
        headless.Pump();
    }

    HeadlessWindow* Peer() const { return headless.Peer(window); }
    std::string Status() const { return window.statusLine.GetWindowText(); }
    const PixelImage& Buffer() const { return window.GetBackBuffer(); }
    const PixelImage& Screen() const { return Peer()->screen; }
    static Point CellPoint(int row, int col) { return Point{col * 30 + 15, row * 30 + 15}; }
    static Point Centre(const Rect& rect)
    {
        return Point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    void MoveTo(Point point) { headless.MouseMove(window, point); }
    void Click(Point point) { headless.LButtonDown(window, point); }
    void ClickCell(int row, int col) { Click(CellPoint(row, col)); }

    int GameMenuState(unsigned id) const
    {
        return window.GetMenu()->GetSubMenu(0)->GetMenuState(id, MF_BYCOMMAND);
    }
    bool Grayed(unsigned id) const { return (GameMenuState(id) & MF_GRAYED) != 0; }

    // Whether the rectangle of the image shows the bitmap with that id, pixel for pixel.
    static bool ShowsBitmap(const PixelImage& image, const Rect& rect, int id)
    {
        Bitmap bitmap;
        if (!bitmap.LoadXpm(FindBitmapXpm(id))) {
            return false;
        }
        for (int y = 0; y < rect.Height(); ++y) {
            for (int x = 0; x < rect.Width(); ++x) {
                if (image.GetPixel(rect.left + x, rect.top + y) != bitmap.image.GetPixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Whether the rectangle holds a one-pixel 3-D frame in those colours (inside: anything).
    static bool HasFrame(const PixelImage& image, const Rect& rect, ColorRef topLeft,
                         ColorRef bottomRight)
    {
        for (int x = rect.left; x < rect.right - 1; ++x) {
            if (image.GetPixel(x, rect.top) != topLeft ||
                image.GetPixel(x, rect.bottom - 1) != bottomRight) {
                return false;
            }
        }
        for (int y = rect.top; y < rect.bottom - 1; ++y) {
            if (image.GetPixel(rect.left, y) != topLeft ||
                image.GetPixel(rect.right - 1, y) != bottomRight) {
                return false;
            }
        }
        return image.GetPixel(rect.right - 1, rect.bottom - 1) == bottomRight;
    }
    static Rect CellFrameRect(int row, int col)
    {
        return Rect{col * 30, row * 30, col * 30 + 29, row * 30 + 29};
    }

    TempWorkingDir dir;
    TempConfigHome config;
    MainDialog window;
};
