#include "board/PiecePainter.h"
#include "FixtureColors.h"
#include "board/PieceColors.h"
#include "platform/DeviceContext.h"
#include "tests/FocusRing.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr ColorRef MARK = Rgb(1, 2, 3); // what the painter must never touch
constexpr ColorRef GREY = Rgb(192, 192, 192);

// The smallest rectangle holding every pixel of the block that is neither grey nor the mark.
Rect PieceBounds(const PixelImage& image, const Rect& block)
{
    Rect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = block.top; y < block.bottom; ++y) {
        for (int x = block.left; x < block.right; ++x) {
            const ColorRef c = image.GetPixel(x, y);
            if (c != GREY && c != MARK) {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
        }
    }
    return bounds;
}

// A board of 5 columns and 4 rows of 30-pixel cells: not square, so a row/column mix-up shows.
struct PainterFixture : ::testing::Test
{
    PainterFixture() : image(150, 120, MARK), dc(&image)
    {
        painter.cellSize = 30;
        painter.color = PieceColor(0);
        painter.jiggleAngle = 0;
    }

    PixelImage image;
    DeviceContext dc;
    PiecePainter painter;
};

} // namespace

TEST_F(PainterFixture, PieceAtRestIsACircleOnTheBackgroundSquareInsideTheMargin)
{
    painter.DrawPiece(dc, 2, 3, false);

    const Rect background{92, 62, 118, 88};
    const Rect box{95, 65, 115, 85};
    const Rect bounds = PieceBounds(image, background);
    EXPECT_EQ(bounds.left, box.left);
    EXPECT_EQ(bounds.top, box.top);
    EXPECT_EQ(bounds.right, box.right);
    EXPECT_EQ(bounds.bottom, box.bottom);
    // Red inside a black outline, grey around it, and nothing else of the image touched.
    EXPECT_EQ(image.GetPixel(105, 75), PieceColors[0]);
    EXPECT_EQ(image.GetPixel(95, 75), BLACK);
    EXPECT_EQ(image.GetPixel(105, 84), BLACK);
    EXPECT_EQ(image.GetPixel(95, 65), GREY);
    EXPECT_TRUE(AllPixels(image, Rect{92, 62, 118, 65}, GREY));
    EXPECT_TRUE(AllPixels(image, Rect{115, 62, 118, 88}, GREY));
    const int grey = CountPixels(image, background, GREY);
    const int piece = CountPixels(image, box, PieceColors[0]) + CountPixels(image, box, BLACK);
    EXPECT_EQ(grey + piece, 26 * 26);
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 150, 120}, MARK), 150 * 120 - 26 * 26);
    EXPECT_EQ(painter.jiggleAngle, 0);
}

// The keys' focus ring on the cell, and symbols, hop with nothing and leave no trace either.
TEST_F(PainterFixture, JigglingHopsByWholeRadiansAndLeavesNoTrace)
{
    painter.focusRow = 2;
    painter.focusCol = 3;
    painter.symbols = true;
    painter.DrawPiece(dc, 2, 3, false);
    const PixelImage atRest = image;
    const Rect inside{98, 68, 112, 82}; // clear of the ring wherever the piece hops
    const int expected[7][2] = {{3, 0}, {1, 2}, {-1, 2}, {-2, 0}, {-1, -2}, {0, -2}, {2, 0}};
    for (int step = 0; step < 7; ++step) {
        painter.DrawPiece(dc, 2, 3, true);
        EXPECT_TRUE(HasFocusRing(image, 2, 3)) << "step " << step;
        int moved = 0;
        for (int y = inside.top; y < inside.bottom; ++y) {
            for (int x = inside.left; x < inside.right; ++x) {
                const int dx = expected[step][0];
                const int dy = expected[step][1];
                moved += image.GetPixel(x + dx, y + dy) != atRest.GetPixel(x, y);
            }
        }
        EXPECT_EQ(moved, 0) << "step " << step;
        EXPECT_EQ(painter.jiggleAngle, step + 1);
    }
    // Coming to rest restores the centred picture exactly: the background hides every hop.
    painter.DrawPiece(dc, 2, 3, false);
    EXPECT_EQ(DifferentPixels(image, atRest), 0);
    EXPECT_EQ(painter.jiggleAngle, 7);
    painter.focusRow = -1;
    painter.DrawEmptyCell(dc, 2, 3);
    EXPECT_FALSE(HasFocusRing(image, 2, 3));

    painter.jiggleAngle = 359;
    painter.DrawPiece(dc, 2, 3, true);
    EXPECT_EQ(painter.jiggleAngle, 0);
}

TEST_F(PainterFixture, FadeFramesShrinkToTwoByTwoAndThenToNothing)
{
    // The first frame is the piece at rest, its symbol too; the last frames carry none.
    for (bool symbols : {false, true}) {
        painter.symbols = symbols;
        painter.DrawPiece(dc, 1, 4, false);
        PixelImage faded(150, 120, MARK);
        DeviceContext fadeDc(&faded);
        painter.DrawEmptyCell(fadeDc, 1, 4);
        painter.DrawFadeFrame(fadeDc, 1, 4, 0);
        EXPECT_EQ(DifferentPixels(faded, image), 0) << symbols;
    }

    // No background is painted: the mark around a small frame stays.
    PixelImage small(150, 120, MARK);
    DeviceContext smallDc(&small);
    painter.DrawFadeFrame(smallDc, 1, 4, 9);
    EXPECT_TRUE(AllPixels(small, Rect{134, 44, 136, 46}, BLACK));
    EXPECT_EQ(CountPixels(small, Rect{0, 0, 150, 120}, MARK), 150 * 120 - 4);

    painter.DrawFadeFrame(smallDc, 1, 4, 10);
    painter.DrawFadeFrame(smallDc, 0, 0, 10);
    EXPECT_EQ(CountPixels(small, Rect{0, 0, 150, 120}, MARK), 150 * 120 - 4);
}

TEST_F(PainterFixture, EmptyCellPaintsOnlyTheBackgroundSquare)
{
    painter.DrawPiece(dc, 3, 0, false);
    painter.DrawEmptyCell(dc, 3, 0);
    EXPECT_TRUE(AllPixels(image, Rect{2, 92, 28, 118}, GREY));
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 150, 120}, MARK), 150 * 120 - 26 * 26);
}

TEST_F(PainterFixture, WhiteAndBlackPiecesShowOnTheBackground)
{
    painter.color = PieceColor(6);
    painter.DrawPiece(dc, 0, 0, false);
    painter.color = PieceColor(7);
    painter.DrawPiece(dc, 0, 1, false);
    EXPECT_EQ(image.GetPixel(15, 15), Rgb(255, 255, 255));
    EXPECT_EQ(image.GetPixel(6, 6), GREY);
    EXPECT_EQ(CountPixels(image, Rect{35, 5, 55, 25}, BLACK),
              CountPixels(image, Rect{5, 5, 25, 25}, BLACK) +
                  CountPixels(image, Rect{5, 5, 25, 25}, Rgb(255, 255, 255)));
}

TEST_F(PainterFixture, OutlineUsesTheCurrentPenAndTheWhiteBrushStaysSelected)
{
    Pen blue(PS_SOLID, 1, Rgb(0, 0, 255));
    dc.SelectObject(&blue);
    Brush green(Rgb(0, 255, 0));
    dc.SelectObject(&green);
    painter.DrawPiece(dc, 0, 0, false);
    EXPECT_EQ(image.GetPixel(5, 15), Rgb(0, 0, 255));
    // The caller's brush is not restored: the next ellipse is filled white.
    dc.Ellipse(Rect{60, 60, 70, 70});
    EXPECT_EQ(image.GetPixel(65, 65), Rgb(255, 255, 255));
}
