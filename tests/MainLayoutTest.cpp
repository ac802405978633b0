#include "MainWindowFixture.h"

#include "platform/Icon.h"
#include "platform/headless/HeadlessControl.h"
#include "res/ResourceIds.h"

// The window's geometry for a board, and what a paint shows.
class MainLayoutTest : public MainWindowTest
{
protected:
    Rect StatusRect() const { return Peer()->FindControl(IDC_STATUS)->rect; }

    // Every rectangle of the layout table, from the board's size and the client area obtained.
    void ExpectLayoutFor(int cols, int rows)
    {
        const int w = 30 * cols;
        const int h = 30 * rows;
        const Rect client = window.clientRect;
        EXPECT_EQ(client.right, w + 50);
        EXPECT_EQ(client.bottom, h + 35);
        const int cr = client.right;
        const int cb = client.bottom;
        EXPECT_EQ(window.boardArea.rect, (Rect{0, 0, w, h}));
        EXPECT_EQ(window.toolButtons[TOOL_DRAW_NEXT].rect, (Rect{2, h + 5, 27, h + 30}));
        EXPECT_EQ(window.toolButtons[TOOL_UNDO].rect, (Rect{32, h + 5, 57, h + 30}));
        EXPECT_EQ(window.toolButtons[TOOL_DELETE].rect, (Rect{62, h + 5, 87, h + 30}));
        EXPECT_EQ(StatusRect(), (Rect{92, h + 9, w, cb - 9}));
        EXPECT_EQ(window.banner.rect, (Rect{w + 5, 0, w + 45, cb - 61}));
        EXPECT_EQ(window.colorPanel.rect, (Rect{cr - 45, cb - 56, cr - 5, cb - 36}));
        EXPECT_EQ(window.scoreRect, (Rect{cr - 45, cb - 27, cr - 5, cb - 8}));
        // The window is centred on the desktop (1024 by 768) with its frame, caption and menu.
        const Rect frame = Peer()->windowRect;
        const int width = w + 50 + 2 * HeadlessBackend::FRAME;
        const int height = h + 35 + 2 * HeadlessBackend::FRAME + HeadlessBackend::CAPTION +
                           HeadlessBackend::MENU_BAR;
        EXPECT_EQ(frame, (Rect{(1024 - width) / 2, (768 - height) / 2, (1024 - width) / 2 + width,
                               (768 - height) / 2 + height}));
    }
};

TEST_F(MainLayoutTest, AFiveByFiveBoardGetsTheSmallestWindow)
{
    Open(5, 5);
    EXPECT_EQ(window.clientRect, (Rect{0, 0, 200, 185}));
    EXPECT_EQ(window.boardArea.rect, (Rect{0, 0, 150, 150}));
    EXPECT_EQ(window.toolButtons[TOOL_DRAW_NEXT].rect, (Rect{2, 155, 27, 180}));
    EXPECT_EQ(window.toolButtons[TOOL_DELETE].rect, (Rect{62, 155, 87, 180}));
    EXPECT_EQ(StatusRect(), (Rect{92, 159, 150, 176}));
    EXPECT_EQ(window.banner.rect, (Rect{155, 0, 195, 124}));
    EXPECT_EQ(window.colorPanel.rect, (Rect{155, 129, 195, 149}));
    EXPECT_EQ(window.scoreRect, (Rect{155, 158, 195, 177}));
    ExpectLayoutFor(5, 5);
    // The controller works with the window's own rectangles.
    EXPECT_EQ(window.controller.previewRect, &window.colorPanel.rect);
    EXPECT_EQ(window.controller.scoreRect, &window.scoreRect);
    EXPECT_EQ(window.controller.mainWnd, &window);
    EXPECT_EQ(window.controller.board.cols, 5);
    EXPECT_EQ(window.controller.board.rows, 5);
}

TEST_F(MainLayoutTest, ATwentyByTwentyBoardAndAWideLowOne)
{
    Open(20, 20);
    EXPECT_EQ(window.clientRect, (Rect{0, 0, 650, 635}));
    ExpectLayoutFor(20, 20);

    // 20 columns and 5 rows: the banner is 124 pixels high, stretched from the 86 of its bitmap.
    window.settings.boardRows = 5;
    window.Layout();
    headless.Pump();
    ExpectLayoutFor(20, 5);
    EXPECT_EQ(window.banner.rect.Height(), 124);
    Bitmap banner;
    ASSERT_TRUE(banner.LoadXpm(FindBitmapXpm(IDB_BANNER)));
    int mismatches = 0;
    for (int y = 0; y < 124; ++y) {
        for (int x = 0; x < 40; ++x) {
            mismatches += Buffer().GetPixel(605 + x, y) != banner.image.GetPixel(x, y * 86 / 124);
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(MainLayoutTest, TheFirstPaintShowsFramesButtonsPanelAndScore)
{
    Open(9, 9, 3, 5, 6, {0, 1, 2, 0, 0, 0, 3, 4, 5});
    EXPECT_EQ(Status(), "STATUS");
    EXPECT_EQ(window.GetWindowText(), "TOBRIX++");
    // Every cell is framed sunken and keeps a one-pixel gap of face colour to its neighbours.
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            ASSERT_TRUE(HasFrame(Buffer(), CellFrameRect(row, col), BLACK, WHITE)) << row << col;
        }
    }
    EXPECT_EQ(Buffer().GetPixel(29, 5), FACE);
    EXPECT_EQ(Buffer().GetPixel(5, 29), FACE);
    // The first three pieces, each in its colour (red, yellow, magenta), on the first cells.
    EXPECT_EQ(Buffer().GetPixel(15, 15), PieceColors[0]);
    EXPECT_EQ(Buffer().GetPixel(45, 15), PieceColors[1]);
    EXPECT_EQ(Buffer().GetPixel(75, 15), PieceColors[2]);
    EXPECT_EQ(Buffer().GetPixel(105, 15), FACE);
    // The buttons: draw next and undo on black, the undo and delete ones disabled.
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DRAW_NEXT].rect, IDB_DRAW_NEXT));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_UNDO].rect, IDB_UNDO_DISABLED));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DELETE].rect, IDB_DELETE_DISABLED));
    EXPECT_TRUE(Grayed(ID_GAME_UNDO));
    EXPECT_TRUE(Grayed(ID_GAME_TOGGLE_DELETING));
    // The legend of six colours inside a sunken frame: red, yellow, magenta, green on top, cyan,
    // blue and two grey swatches below.
    const Rect panel = window.colorPanel.rect;
    EXPECT_TRUE(HasFrame(Buffer(), panel, BLACK, WHITE));
    for (int index = 0; index < 8; ++index) {
        const int x = panel.left + (index % 4) * 10 + 5;
        const int y = panel.top + (index / 4) * 10 + 5;
        EXPECT_EQ(Buffer().GetPixel(x, y), index < 6 ? PieceColors[index] : FACE) << index;
    }
    // The score box is black with a lit zero, and the screen shows what was painted.
    EXPECT_EQ(Buffer().GetPixel(window.scoreRect.left + 1, window.scoreRect.top + 1), BLACK);
    EXPECT_GT(CountPixels(Buffer(), window.scoreRect, Rgb(255, 0, 0)), 0);
    EXPECT_EQ(DifferentPixels(Buffer(), Screen()), 0);
}

TEST_F(MainLayoutTest, TheLegendShowsOnlyTheColoursInPlay)
{
    Open(9, 9, 3, 5, 1);
    const Rect panel = window.colorPanel.rect;
    EXPECT_EQ(Buffer().GetPixel(panel.left + 5, panel.top + 5), PieceColors[0]);
    EXPECT_EQ(CountPixels(Buffer(),
                          Rect{panel.left + 1, panel.top + 1, panel.right - 1, panel.bottom - 1},
                          FACE),
              38 * 18 - 9 * 9);
}

TEST_F(MainLayoutTest, TheMinimisedWindowPaintsOnlyItsIconCentred)
{
    Open(5, 5);
    headless.SetIconic(window, true);
    headless.Pump();
    const Icon* icon = Icon::Load(IDI_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    const Bitmap& image = icon->GetImage(32);
    // (200 - 32 + 1) / 2 and (185 - 32 + 1) / 2.
    const int left = 84;
    const int top = 77;
    int wrong = 0;
    for (int y = 0; y < 185; ++y) {
        for (int x = 0; x < 200; ++x) {
            ColorRef expected = FACE;
            if (x >= left && x < left + 32 && y >= top && y < top + 32) {
                const ColorRef pixel = image.image.GetPixel(x - left, y - top);
                expected = pixel == Bitmap::TRANSPARENT_PIXEL ? FACE : pixel;
            }
            wrong += Buffer().GetPixel(x, y) != expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(window.OnQueryDragIcon(), icon);
    EXPECT_EQ(Peer()->bigIcon, icon);
    EXPECT_EQ(Peer()->smallIcon, icon);

    // Restored, the whole game comes back.
    headless.SetIconic(window, false);
    headless.Pump();
    EXPECT_TRUE(HasFrame(Buffer(), CellFrameRect(0, 0), BLACK, WHITE));
    EXPECT_TRUE(ShowsBitmap(Buffer(), window.toolButtons[TOOL_DRAW_NEXT].rect, IDB_DRAW_NEXT));
}
