#include "MainWindowFixture.h"

#include "platform/Cursor.h"
#include "res/ResourceIds.h"

// Hover frames, tips, the capture, the colour panel, clicks on the board and the cursor.
class MainMouseTest : public MainWindowTest
{
protected:
    // The pixels that differ between two images, as their bounding box and count.
    static int Changed(const PixelImage& before, const PixelImage& after, Rect* box)
    {
        int count = 0;
        *box = Rect{0, 0, 0, 0};
        for (int y = 0; y < after.height; ++y) {
            for (int x = 0; x < after.width; ++x) {
                if (before.GetPixel(x, y) != after.GetPixel(x, y)) {
                    *box = UnionRect(*box, Rect{x, y, x + 1, y + 1});
                    ++count;
                }
            }
        }
        return count;
    }
};

TEST_F(MainMouseTest, HoverRaisesOneCellAtATimeStartingWithTheCornerQuirk)
{
    Open();
    const PixelImage start = Buffer();
    // Right after start-up the corner cell counts as hovered although nothing is raised, so
    // moving onto it changes nothing; the move takes the capture and shows the cursor.
    MoveTo(CellPoint(0, 0));
    EXPECT_EQ(Status(), "STATUS");
    EXPECT_EQ(DifferentPixels(start, Buffer()), 0);
    EXPECT_EQ(GetCapture(), &window);
    EXPECT_TRUE(Peer()->captured);
    ASSERT_NE(Peer()->cursor, nullptr);
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_SELECT);

    MoveTo(CellPoint(2, 3));
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(window.hoverCol, 3);
    EXPECT_EQ(window.hoverRow, 2);
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(2, 3), WHITE, BLACK));
    // Client drawing reaches the screen without a paint.
    EXPECT_TRUE(HasFrame(Screen(), CellFrameRect(2, 3), WHITE, BLACK));

    // The next cell: exactly two frames are redrawn, the old one sunken, the new one raised.
    const PixelImage before = Buffer();
    window.statusLine.SetWindowText("");
    MoveTo(CellPoint(2, 4));
    Rect box;
    EXPECT_EQ(Changed(before, Buffer(), &box), 2 * (2 * 28 + 2 * 28));
    EXPECT_EQ(box, (Rect{90, 60, 149, 89}));
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(2, 3), BLACK, WHITE));
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(2, 4), WHITE, BLACK));
    EXPECT_EQ(Status(), "Select piece");

    // Moving within the cell redraws nothing and leaves the text alone.
    window.statusLine.SetWindowText("kept");
    const PixelImage same = Buffer();
    MoveTo(Point{4 * 30, 2 * 30});
    MoveTo(Point{4 * 30 + 29, 2 * 30 + 29});
    EXPECT_EQ(DifferentPixels(same, Buffer()), 0);
    EXPECT_EQ(Status(), "kept");
}

TEST_F(MainMouseTest, LeavingTheBoardOrTheWindowLowersTheCellAndLeavingReleasesTheCapture)
{
    Open();
    MoveTo(CellPoint(8, 8));
    ASSERT_TRUE(HasFrame(Buffer(), CellFrameRect(8, 8), WHITE, BLACK));

    // Onto the banner, inside the client area but off the board.
    MoveTo(Point{285, 40});
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(8, 8), BLACK, WHITE));
    EXPECT_EQ(window.hoverCol, -1);
    EXPECT_EQ(window.hoverRow, -1);
    EXPECT_EQ(GetCapture(), &window);

    MoveTo(CellPoint(4, 4));
    ASSERT_TRUE(HasFrame(Buffer(), CellFrameRect(4, 4), WHITE, BLACK));
    // Off the window: only the capture brings this move.
    MoveTo(Point{window.clientRect.right + 10, 40});
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(4, 4), BLACK, WHITE));
    EXPECT_EQ(window.hoverCol, -1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Peer()->captured);
    // Without the capture, further moves outside do not reach the window at all.
    MoveTo(Point{-20, -20});
    EXPECT_EQ(GetCapture(), nullptr);

    // Coming back takes the capture again and raises the cell, even the corner one now.
    MoveTo(CellPoint(0, 0));
    EXPECT_EQ(GetCapture(), &window);
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(0, 0), WHITE, BLACK));
    EXPECT_EQ(Status(), "Select piece");

    // Leaving straight from a lit button or the panel puts it back to its normal look.
    for (const HotArea* item : {static_cast<const HotArea*>(&window.toolButtons[TOOL_DRAW_NEXT]),
                                static_cast<const HotArea*>(&window.colorPanel)}) {
        MoveTo(Centre(item->rect));
        ASSERT_EQ(item->state, HOT_HOVERED);
        MoveTo(Point{window.clientRect.right + 10, item->rect.top});
        EXPECT_EQ(item->state, HOT_NORMAL);
        EXPECT_EQ(Status(), "Select piece");
    }
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DRAW_NEXT].rect, IDB_DRAW_NEXT));
    EXPECT_TRUE(HasFrame(Buffer(), window.colorPanel.rect, BLACK, WHITE));
}

TEST_F(MainMouseTest, AfterTheBoardShrinksTheNextMoveDrawsOnlyTheNewCell)
{
    Open();
    MoveTo(CellPoint(6, 6));
    headless.ScriptDialog([](DialogSession& session) {
        session.Select(IDC_COLS, 0);
        session.Select(IDC_ROWS, 0);
        session.Ok();
    });
    headless.ChooseMenuItem(window, ID_GAME_PREFERENCES);
    headless.Pump();
    ASSERT_EQ(window.settings.boardCols, 5);
    const PixelImage before = Buffer();
    MoveTo(CellPoint(1, 1));
    Rect box;
    Changed(before, Buffer(), &box);
    EXPECT_EQ(box, CellFrameRect(1, 1));
}

TEST_F(MainMouseTest, ToolButtonsLightUpWithTheirTipsOnlyWhileEnabled)
{
    Open();
    const ToolButton& drawNext = window.toolButtons[TOOL_DRAW_NEXT];
    const ToolButton& undo = window.toolButtons[TOOL_UNDO];
    const ToolButton& erase = window.toolButtons[TOOL_DELETE];

    MoveTo(CellPoint(8, 0));
    MoveTo(Centre(drawNext.rect));
    EXPECT_EQ(Status(), "Click to draw next pieces");
    EXPECT_EQ(drawNext.state, HOT_HOVERED);
    EXPECT_TRUE(ShowsBitmap(Buffer(), drawNext.rect, IDB_DRAW_NEXT_HOVER));
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(8, 0), BLACK, WHITE));

    // Within the button nothing is drawn again; its right edge line is already outside.
    const int presented = Peer()->presentCount;
    MoveTo(Point{drawNext.rect.left + 1, drawNext.rect.top + 1});
    EXPECT_EQ(Peer()->presentCount, presented);
    MoveTo(Point{drawNext.rect.right, drawNext.rect.top + 1});
    EXPECT_EQ(drawNext.state, HOT_NORMAL);
    EXPECT_TRUE(ShowsBitmap(Buffer(), drawNext.rect, IDB_DRAW_NEXT));

    // The disabled undo and delete buttons keep their looks and show no tip.
    window.statusLine.SetWindowText("before");
    MoveTo(Centre(undo.rect));
    MoveTo(Centre(erase.rect));
    EXPECT_EQ(Status(), "before");
    EXPECT_TRUE(ShowsBitmap(Buffer(), undo.rect, IDB_UNDO_DISABLED));
    EXPECT_TRUE(ShowsBitmap(Buffer(), erase.rect, IDB_DELETE_DISABLED));

    // After a move the undo button is enabled: normal until the mouse moves, then hovered.
    Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "........."});
    ClickCell(0, 0);
    ClickCell(0, 4);
    headless.Pump();
    EXPECT_FALSE(Grayed(ID_GAME_UNDO));
    EXPECT_EQ(undo.state, HOT_NORMAL);
    EXPECT_TRUE(ShowsBitmap(Buffer(), undo.rect, IDB_UNDO));
    MoveTo(Centre(undo.rect));
    EXPECT_EQ(Status(), "Click to undo last move");
    EXPECT_TRUE(ShowsBitmap(Buffer(), undo.rect, IDB_UNDO_HOVER));
}

TEST_F(MainMouseTest, TheColourPanelCyclesThroughItsThreeModes)
{
    Open(9, 9, 3, 5, 6, {0, 1, 2, 0, 0, 0, 3, 4, 5});
    const Rect panel = window.colorPanel.rect;
    const Point inside = Centre(panel);

    MoveTo(inside);
    EXPECT_EQ(Status(), "All colors");
    EXPECT_TRUE(HasFrame(Buffer(), panel, WHITE, BLACK));

    // Next colours: three slots of 40 / 3 = 13 pixels, each one pixel in from its edges.
    Click(inside);
    EXPECT_EQ(window.panelMode, PANEL_NEXT_COLORS);
    EXPECT_EQ(Status(), "Next colors");
    EXPECT_EQ(window.controller.showNext, 1);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 6, panel.top + 10), PieceColors[3]);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 19, panel.top + 10), PieceColors[4]);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 32, panel.top + 10), PieceColors[5]);

    // Blank: grey only, and the text stays.
    Click(inside);
    EXPECT_EQ(window.panelMode, PANEL_BLANK);
    EXPECT_EQ(Status(), "Next colors");
    EXPECT_EQ(window.controller.showNext, 0);
    EXPECT_TRUE(AllPixels(
        Buffer(), Rect{panel.left + 1, panel.top + 1, panel.right - 1, panel.bottom - 1}, FACE));
    // Entering the blank panel shows an empty caption; leaving it lowers the frame.
    MoveTo(CellPoint(3, 3));
    EXPECT_TRUE(HasFrame(Buffer(), panel, BLACK, WHITE));
    MoveTo(inside);
    EXPECT_EQ(Status(), "");

    Click(inside);
    EXPECT_EQ(window.panelMode, PANEL_ALL_COLORS);
    EXPECT_EQ(Status(), "All colors");
    EXPECT_EQ(Buffer().GetPixel(panel.left + 5, panel.top + 5), PieceColors[0]);
    EXPECT_EQ(Buffer().GetPixel(panel.left + 35, panel.top + 15), FACE);
    // While hovered the panel is repainted raised.
    EXPECT_TRUE(HasFrame(Buffer(), panel, WHITE, BLACK));

    // The mode survives a new game.
    Click(inside);
    headless.ChooseMenuItem(window, ID_GAME_NEW);
    headless.Pump();
    EXPECT_EQ(window.panelMode, PANEL_NEXT_COLORS);
    EXPECT_EQ(window.controller.showNext, 1);
}

TEST_F(MainMouseTest, ClicksOnTheBoardPlayTheGameAndShowTheState)
{
    Open();
    Arrange({"1........", ".........", ".........", ".........", ".........", ".........",
             ".........", ".........", "2........"});
    ClickCell(0, 0);
    EXPECT_EQ(Status(), "Select destination");
    EXPECT_NE(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    // The window forwards the timer, which jiggles the selected piece.
    const PixelImage resting = Buffer();
    headless.AdvanceClock(80);
    EXPECT_GT(DifferentPixels(resting, Buffer()), 0);

    ClickCell(0, 6);
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(headless.FindTimer(window, SELECTION_TIMER_ID), nullptr);
    EXPECT_EQ(window.controller.board.emptyCount, 81 - 2 - 3);
    EXPECT_EQ(window.toolButtons[TOOL_UNDO].state, HOT_NORMAL);
    EXPECT_FALSE(Grayed(ID_GAME_UNDO));
    EXPECT_TRUE(Grayed(ID_GAME_TOGGLE_DELETING));

    // A click on a free cell in the select-piece state, or past the board's last row inside the
    // client area, changes nothing but the status text.
    window.statusLine.SetWindowText("");
    ClickCell(4, 4);
    EXPECT_EQ(Status(), "Select piece");
    window.statusLine.SetWindowText("off the board");
    Click(Point{280, 200});
    EXPECT_EQ(Status(), "off the board");
    EXPECT_FALSE(Grayed(ID_GAME_UNDO));
}

TEST_F(MainMouseTest, TheDeleteToolAndCursorFollowTheDeletingState)
{
    // A run of six with line 5 under "Pile" earns one credit.
    Open();
    EarnOneCredit();
    ASSERT_EQ(window.controller.deleteCredits, 1);
    EXPECT_EQ(window.controller.scoreDisplay.value, 6);
    EXPECT_EQ(window.toolButtons[TOOL_DELETE].state, HOT_NORMAL);
    EXPECT_FALSE(Grayed(ID_GAME_TOGGLE_DELETING));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DELETE].rect, IDB_DELETE));

    // The delete button switches the mode on: the cursor and the text change at once.
    window.statusLine.SetWindowText("");
    Click(Centre(window.toolButtons[TOOL_DELETE].rect));
    EXPECT_EQ(window.controller.state, STATE_DELETING);
    ASSERT_NE(Peer()->cursor, nullptr);
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_DELETE);
    EXPECT_EQ(Status(), "Delete piece (1)");
    MoveTo(CellPoint(5, 5));
    EXPECT_EQ(Status(), "Delete piece (1)");
    // Leaving and coming back keeps the delete cursor.
    MoveTo(Point{-5, 10});
    MoveTo(CellPoint(5, 6));
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_DELETE);

    // A free cell costs nothing; the last credit on a piece ends the mode and the cursor.
    ClickCell(5, 5);
    EXPECT_EQ(Status(), "Delete piece (1)");
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_DELETE);
    ClickCell(1, 0);
    EXPECT_EQ(Status(), "Select piece");
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_SELECT);
    EXPECT_EQ(window.toolButtons[TOOL_DELETE].state, HOT_DISABLED);
    EXPECT_TRUE(Grayed(ID_GAME_TOGGLE_DELETING));

    // The disabled delete button still runs its command, which the controller refuses.
    Click(Centre(window.toolButtons[TOOL_DELETE].rect));
    EXPECT_EQ(window.controller.state, STATE_SELECT_PIECE);
    EXPECT_EQ(Peer()->cursor->GetId(), IDCUR_SELECT);
}

TEST_F(MainMouseTest, TheDrawNextButtonAddsPiecesAndShowsTheState)
{
    Open();
    const int free = window.controller.board.emptyCount;
    Click(Centre(window.toolButtons[TOOL_DRAW_NEXT].rect));
    EXPECT_EQ(window.controller.board.emptyCount, free - 3);
    EXPECT_EQ(Status(), "Select piece");
}
