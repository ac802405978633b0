#include "app/CellFrame.h"
#include "app/ColorLegend.h"
#include "app/ToolButton.h"
#include "board/PieceColors.h"
#include "board/PiecePainter.h"
#include "game/ScoreDisplay.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"
#include "tests/AllocationCounter.h"

#include <gtest/gtest.h>

// Every drawing of the game runs during play, where nothing may be allocated.
TEST(PaintAllocation, PaintedPartsDrawWithoutAllocating)
{
    PixelImage image(650, 635, Rgb(192, 192, 192));
    ToolButton button;
    ASSERT_TRUE(button.LoadStateBitmap(IDB_UNDO, HOT_NORMAL));
    button.Place(32, 605, 25, 25);
    ToolButton banner;
    ASSERT_TRUE(banner.LoadStateBitmap(IDB_BANNER, HOT_NORMAL));
    banner.sourceWidth = 40;
    banner.sourceHeight = 86;
    banner.Place(605, 0, 40, 574);
    // With the player's aids on: symbols on the pieces and the legend, the keys' focus ring.
    PiecePainter painter;
    painter.cellSize = 30;
    painter.symbols = true;
    painter.focusRow = 3;
    painter.focusCol = 4;
    CellFrame frame;
    frame.cellSize = 30;
    ScoreDisplay score;
    SetRect(score.rect, 605, 608, 645, 627);

    AllocationCounter counter;
    {
        DeviceContext dc(&image);
        for (int col = 0; col < 20; ++col) {
            for (int row = 0; row < 20; ++row) {
                frame.Draw(dc, col, row, false);
                painter.color = PieceColor((row + col) % PIECE_COLOR_COUNT);
                painter.DrawPiece(dc, row, col, (row + col) % 7 == 0);
            }
        }
        painter.DrawFadeFrame(dc, 3, 4, 5);
        painter.DrawEmptyCell(dc, 3, 4);
        button.Draw(dc, false);
        banner.Draw(dc, true);
        DrawColorSwatches(dc, Rect{605, 579, 645, 599}, 6);
        DrawSwatchSymbols(dc, Rect{605, 579, 645, 599}, 6);
        score.value = 12345;
        score.Draw(dc);
    }
    EXPECT_EQ(counter.Count(), 0);
}
