#include "app/CellFrame.h"
#include "FixtureColors.h"
#include "platform/DeviceContext.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

} // namespace

TEST(CellFrame, FrameCoversTwentyNineSquarePixelsOfTheCellColumnFirst)
{
    // 4 columns and 2 rows: the cell at column 3, row 1 exists only one way round.
    PixelImage image(120, 60, FACE);
    DeviceContext dc(&image);
    CellFrame frame;
    frame.cellSize = 30;
    frame.Draw(dc, 3, 1, false);
    EXPECT_EQ(frame.rect.left, 90);
    EXPECT_EQ(frame.rect.top, 30);
    EXPECT_EQ(frame.rect.right, 119);
    EXPECT_EQ(frame.rect.bottom, 59);

    // Sunken: black top and left, white bottom and right (with the two outer corners).
    EXPECT_TRUE(AllPixels(image, Rect{90, 30, 118, 31}, BLACK));
    EXPECT_TRUE(AllPixels(image, Rect{90, 30, 91, 58}, BLACK));
    EXPECT_TRUE(AllPixels(image, Rect{118, 30, 119, 59}, WHITE));
    EXPECT_TRUE(AllPixels(image, Rect{90, 58, 119, 59}, WHITE));
    // The cell's last column and row, and its inside, keep the background.
    EXPECT_TRUE(AllPixels(image, Rect{119, 30, 120, 60}, FACE));
    EXPECT_TRUE(AllPixels(image, Rect{90, 59, 120, 60}, FACE));
    EXPECT_TRUE(AllPixels(image, Rect{91, 31, 118, 58}, FACE));
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 120, 60}, FACE), 120 * 60 - (29 * 4 - 4));

    frame.Draw(dc, 3, 1, true);
    EXPECT_EQ(image.GetPixel(100, 30), WHITE);
    EXPECT_EQ(image.GetPixel(90, 40), WHITE);
    EXPECT_EQ(image.GetPixel(118, 40), BLACK);
    EXPECT_EQ(image.GetPixel(100, 58), BLACK);
    EXPECT_EQ(image.GetPixel(118, 30), BLACK);
}

TEST(CellFrame, NeighbouringFramesLeaveAOnePixelGap)
{
    PixelImage image(60, 60, FACE);
    DeviceContext dc(&image);
    CellFrame frame;
    frame.cellSize = 30;
    for (int col = 0; col < 2; ++col) {
        for (int row = 0; row < 2; ++row) {
            frame.Draw(dc, col, row, false);
        }
    }
    EXPECT_EQ(image.GetPixel(28, 10), WHITE); // right edge of (0, 0)
    EXPECT_EQ(image.GetPixel(29, 10), FACE);  // the gap
    EXPECT_EQ(image.GetPixel(30, 10), BLACK); // left edge of column 1
    EXPECT_EQ(image.GetPixel(10, 29), FACE);
    EXPECT_EQ(image.GetPixel(10, 30), BLACK);
}
