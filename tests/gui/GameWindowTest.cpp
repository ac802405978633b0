#include "GuiTest.h"

#include "TempWorkingDir.h"

#include "app/MainDialog.h"
#include "board/Board.h"
#include "res/ResourceIds.h"

using Lines = std::vector<std::string>;

// The game's main window on the real screen, played with real clicks.
class GameWindowTest : public GuiTest
{
protected:
    ~GameWindowTest() override { main.DestroyWindow(); }

    Point CellCentre(int row, int col) const
    {
        return gui::ClientToScreen(main, Point{col * CELL_SIZE + 15, row * CELL_SIZE + 15});
    }
    int Cell(int row, int col) const
    {
        return main.controller.board.cells[col + row * BOARD_STRIDE];
    }

    TempWorkingDir directory;
    MainDialog main;
};

TEST_F(GameWindowTest, APieceTravelsWhereThePlayerClicksAndTheScreenShowsTheBoard)
{
    ASSERT_TRUE(main.Create());
    ASSERT_TRUE(gui::WaitShown(main));
    Rect client;
    main.GetClientRect(&client);
    const int rows = main.settings.boardRows;
    const int cols = main.settings.boardCols;
    EXPECT_EQ(client.Width(), CELL_SIZE * cols + 50);
    EXPECT_EQ(client.Height(), CELL_SIZE * rows + 35);
    EXPECT_EQ(gui::CountScreenDifferences(main), 0);
    gui::SaveScreenshot(gui::ScreenRectOf(main), "gui_game_start");

    // A piece with a free cell beside it.
    int row = -1;
    int col = -1;
    int toRow = -1;
    int toCol = -1;
    for (int r = 0; r < rows && row < 0; ++r) {
        for (int c = 0; c + 1 < cols && row < 0; ++c) {
            if (Cell(r, c) >= 0 && Cell(r, c + 1) == EMPTY_CELL) {
                row = r;
                col = c;
                toRow = r;
                toCol = c + 1;
            }
        }
    }
    ASSERT_GE(row, 0);
    const int colour = Cell(row, col);

    gui::ClickAt(CellCentre(row, col));
    ASSERT_TRUE(gui::RunUntil([&] { return main.controller.state == STATE_SELECT_DESTINATION; }));
    EXPECT_EQ(main.GetDlgItem(IDC_STATUS)->GetWindowText(), "Select destination");

    gui::ClickAt(CellCentre(toRow, toCol));
    ASSERT_TRUE(gui::RunUntil([&] {
        return main.controller.state == STATE_SELECT_PIECE ||
               main.controller.state == STATE_GAME_END;
    }));
    EXPECT_EQ(Cell(toRow, toCol), colour);
    EXPECT_EQ(Cell(row, col) == EMPTY_CELL || Cell(row, col) >= 0, true);
    gui::RunFor(100);
    EXPECT_EQ(gui::CountScreenDifferences(main), 0);
    gui::SaveScreenshot(gui::ScreenRectOf(main), "gui_game_after_move");
}
