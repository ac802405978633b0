#include "platform/DeviceContext.h"
#include "FixtureColors.h"
#include "platform/Bitmap.h"
#include "tests/AllocationCounter.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr ColorRef GREY = Rgb(192, 192, 192);
constexpr ColorRef RED = Rgb(255, 0, 0);
constexpr ColorRef BLUE = Rgb(0, 0, 255);

const std::vector<std::pair<ColorRef, char>> LEGEND = {
    {GREY, '.'}, {RED, 'R'}, {BLUE, 'B'}, {WHITE, 'W'}, {BLACK, 'K'}};

// The pixels the ellipse rule gives, computed pixel by pixel straight from the inequality:
// 0 outside, 1 outline, 2 interior.
int EllipseOracle(const Rect& box, int x, int y)
{
    auto inside = [&box](int px, int py) {
        if (px < box.left || px >= box.right || py < box.top || py >= box.bottom) {
            return false;
        }
        const long long w = box.Width();
        const long long h = box.Height();
        const long long u = 2LL * px + 1 - 2LL * box.left - w;
        const long long v = 2LL * py + 1 - 2LL * box.top - h;
        return u * u * h * h + v * v * w * w <= w * w * h * h;
    };
    if (!inside(x, y)) {
        return 0;
    }
    const bool edge =
        !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
    return edge ? 1 : 2;
}

// Draws the ellipse with a red brush and a blue pen on grey and compares every pixel of the
// image with the oracle.
void ExpectEllipseMatchesRule(const Rect& box, int width, int height)
{
    PixelImage image(width, height, GREY);
    DeviceContext dc(&image);
    Brush brush(RED);
    Pen pen(PS_SOLID, 2, BLUE);
    dc.SelectObject(&brush);
    dc.SelectObject(&pen);
    dc.Ellipse(box);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int kind = EllipseOracle(box, x, y);
            const ColorRef expected = kind == 0 ? GREY : kind == 1 ? BLUE : RED;
            wrong += image.GetPixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0) << "box " << box.left << "," << box.top << " " << box.Width() << "x"
                        << box.Height() << "\n"
                        << Picture(image, Rect{0, 0, width, height}, LEGEND);
}

} // namespace

TEST(DeviceContext, FillSolidRectCoversLeftAndTopButNotRightAndBottom)
{
    PixelImage image(12, 5, GREY); // wide and low: a row/column mix-up shows
    DeviceContext dc(&image);
    dc.FillSolidRect(Rect{2, 1, 9, 3}, RED);
    dc.FillSolidRect(10, 2, 5, 9, BLUE);     // runs off the right and bottom of the image
    dc.FillSolidRect(Rect{4, 4, 4, 5}, RED); // zero width: nothing
    dc.FillSolidRect(6, 4, -2, 1, RED);      // negative width: nothing
    EXPECT_EQ(Picture(image, Rect{0, 0, 12, 5}, LEGEND), "............\n"
                                                         "..RRRRRRR...\n"
                                                         "..RRRRRRR.BB\n"
                                                         "..........BB\n"
                                                         "..........BB\n");
}

TEST(DeviceContext, Draw3dRectGivesTheOuterCornersToTheBottomRightColour)
{
    PixelImage image(9, 6, GREY);
    DeviceContext dc(&image);
    dc.Draw3dRect(Rect{1, 1, 8, 5}, WHITE, BLACK);
    EXPECT_EQ(Picture(image, Rect{0, 0, 9, 6}, LEGEND), ".........\n"
                                                        ".WWWWWWK.\n"
                                                        ".W.....K.\n"
                                                        ".W.....K.\n"
                                                        ".KKKKKKK.\n"
                                                        ".........\n");

    // Degenerate frames: one pixel wide or high is all bottom-right colour, empty is nothing.
    PixelImage thin(4, 4, GREY);
    DeviceContext thinDc(&thin);
    thinDc.Draw3dRect(Rect{1, 0, 2, 3}, WHITE, BLACK);
    thinDc.Draw3dRect(Rect{2, 3, 2, 4}, WHITE, BLACK);
    EXPECT_EQ(Picture(thin, Rect{0, 0, 4, 4}, LEGEND), ".K..\n"
                                                       ".K..\n"
                                                       ".K..\n"
                                                       "....\n");
}

TEST(DeviceContext, EllipseFillsWithTheBrushAndOutlinesWithThePen)
{
    PixelImage image(7, 7, GREY);
    DeviceContext dc(&image);
    Brush brush(RED);
    dc.SelectObject(&brush);
    dc.Ellipse(1, 1, 6, 6);
    // The stock black pen outlines; the corners of the box fall outside the circle.
    EXPECT_EQ(Picture(image, Rect{0, 0, 7, 7}, LEGEND), ".......\n"
                                                        "..KKK..\n"
                                                        ".KRRRK.\n"
                                                        ".KRRRK.\n"
                                                        ".KRRRK.\n"
                                                        "..KKK..\n"
                                                        ".......\n");
}

TEST(DeviceContext, EllipseOfTwoByTwoIsFourOutlinePixelsAndEmptyBoxesDrawNothing)
{
    PixelImage image(6, 4, GREY);
    DeviceContext dc(&image);
    Brush brush(RED);
    dc.SelectObject(&brush);
    dc.Ellipse(Rect{3, 1, 5, 3});
    dc.Ellipse(Rect{1, 1, 1, 3}); // no width
    dc.Ellipse(Rect{0, 2, 2, 2}); // no height
    dc.Ellipse(Rect{2, 3, 0, 1}); // inverted
    EXPECT_EQ(Picture(image, Rect{0, 0, 6, 4}, LEGEND), "......\n"
                                                        "...KK.\n"
                                                        "...KK.\n"
                                                        "......\n");
}

TEST(DeviceContext, EllipsePixelsFollowTheWrittenRuleForManyBoxes)
{
    ExpectEllipseMatchesRule(Rect{5, 5, 25, 25}, 30, 30); // a piece at rest
    ExpectEllipseMatchesRule(Rect{2, 3, 15, 9}, 18, 12);  // wide
    ExpectEllipseMatchesRule(Rect{2, 1, 8, 16}, 10, 18);  // tall
    ExpectEllipseMatchesRule(Rect{1, 1, 2, 7}, 4, 9);     // one pixel wide
    ExpectEllipseMatchesRule(Rect{1, 2, 9, 3}, 10, 4);    // one pixel high
    ExpectEllipseMatchesRule(Rect{0, 0, 1, 1}, 2, 2);
    ExpectEllipseMatchesRule(Rect{-7, -3, 9, 12}, 12, 10); // sticks out of the image
    // A huge box whose edge crosses the image diagonally: arithmetic beyond 64 bits.
    ExpectEllipseMatchesRule(Rect{-5850, -5850, 34150, 34151}, 30, 20);
    for (int w = 1; w <= 12; ++w) {
        for (int h = 1; h <= 12; ++h) {
            ExpectEllipseMatchesRule(Rect{1, 2, 1 + w, 2 + h}, 14, 15);
        }
    }
}

TEST(DeviceContext, EllipseWithNullPenOrNullBrushLeavesThatPartAlone)
{
    PixelImage image(14, 7, GREY);
    DeviceContext dc(&image);
    Brush brush(RED);
    dc.SelectObject(&brush);
    dc.SelectStockObject(NULL_PEN);
    dc.Ellipse(1, 1, 6, 6);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(8, 1, 13, 6);
    EXPECT_EQ(Picture(image, Rect{0, 0, 14, 7}, LEGEND), "..............\n"
                                                         ".........KKK..\n"
                                                         "..RRR...K...K.\n"
                                                         "..RRR...K...K.\n"
                                                         "..RRR...K...K.\n"
                                                         ".........KKK..\n"
                                                         "..............\n");
}

TEST(DeviceContext, NewContextSelectsWhiteBrushAndBlackPenAndSelectingReturnsThePrevious)
{
    PixelImage image(5, 5, GREY);
    DeviceContext dc(&image);
    dc.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(image.GetPixel(2, 2), WHITE);
    EXPECT_EQ(image.GetPixel(2, 0), BLACK);

    Brush first(RED);
    Brush second(BLUE);
    Brush* stock = dc.SelectObject(&first);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->color, WHITE);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(static_cast<Brush*>(nullptr)), nullptr); // refused, keeps second
    dc.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(image.GetPixel(2, 2), BLUE);
    dc.SelectStockObject(WHITE_BRUSH);
    EXPECT_EQ(dc.SelectObject(&first), stock);

    Pen pen(PS_SOLID, 2, RED);
    Pen* blackPen = dc.SelectObject(&pen);
    ASSERT_NE(blackPen, nullptr);
    EXPECT_EQ(blackPen->color, BLACK);
    EXPECT_EQ(blackPen->style, PS_SOLID);
}

TEST(DeviceContext, TwoPixelPenCoversTheSquareUpAndLeftOfEachPoint)
{
    PixelImage image(12, 8, GREY);
    DeviceContext dc(&image);
    Pen pen(PS_SOLID, 2, RED);
    dc.SelectObject(&pen);
    EXPECT_EQ(dc.MoveTo(3, 2).x, 0);
    dc.LineTo(8, 2); // horizontal: x 2..8, y 1..2
    dc.MoveTo(10, 3);
    dc.LineTo(10, 6); // vertical: x 9..10, y 2..6
    dc.MoveTo(2, 6);
    dc.LineTo(2, 6); // a point: one square
    Point end = dc.MoveTo(0, 0);
    EXPECT_EQ(end.x, 2);
    EXPECT_EQ(end.y, 6);
    EXPECT_EQ(Picture(image, Rect{0, 0, 12, 8}, LEGEND), "............\n"
                                                         "..RRRRRRR...\n"
                                                         "..RRRRRRRRR.\n"
                                                         ".........RR.\n"
                                                         ".........RR.\n"
                                                         ".RR......RR.\n"
                                                         ".RR......RR.\n"
                                                         "............\n");
}

TEST(DeviceContext, SlantedLinesFollowBresenhamWithBothEndsIncluded)
{
    PixelImage image(9, 5, GREY);
    DeviceContext dc(&image);
    dc.MoveTo(0, 0);
    dc.LineTo(8, 4); // a one-pixel black pen
    Pen pen(PS_SOLID, 3, BLUE);
    dc.SelectObject(&pen);
    dc.MoveTo(7, 1);
    dc.LineTo(6, 2); // 3-pixel squares whose top-left is one up and left of each point
    // Halfway points round down the screen: (1, 1), not (1, 0).
    EXPECT_EQ(Picture(image, Rect{0, 0, 9, 5}, LEGEND), "K.....BBB\n"
                                                        ".KK..BBBB\n"
                                                        "...KKBBBB\n"
                                                        ".....BBB.\n"
                                                        ".......KK\n");

    Pen none(PS_NULL, 1, RED);
    dc.SelectObject(&none);
    dc.MoveTo(0, 4);
    dc.LineTo(3, 3);
    EXPECT_EQ(image.GetPixel(1, 4), GREY);
    EXPECT_EQ(image.GetPixel(2, 3), GREY);
    EXPECT_EQ(dc.MoveTo(0, 0).x, 3); // the position still moved
}

TEST(DeviceContext, BitBltCopiesOnlyTheSourcePixelsThatExist)
{
    PixelImage source(4, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.SetPixel(x, y, Rgb(x, y, 1));
        }
    }
    source.SetPixel(2, 1, Bitmap::TRANSPARENT_PIXEL);
    DeviceContext from(&source);

    PixelImage image(10, 8, GREY);
    DeviceContext dc(&image);
    // The block starts one pixel above and left of the source and is far larger than it.
    EXPECT_TRUE(dc.BitBlt(3, 2, 9, 9, &from, -1, -1, SRCCOPY));
    int wrong = 0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const int sx = x - 4;
            const int sy = y - 3;
            ColorRef expected = GREY;
            if (sx >= 0 && sx < 4 && sy >= 0 && sy < 3 && !(sx == 2 && sy == 1)) {
                expected = Rgb(sx, sy, 1);
            }
            wrong += image.GetPixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);

    DeviceContext empty;
    EXPECT_FALSE(dc.BitBlt(0, 0, 2, 2, &empty, 0, 0, SRCCOPY));
    EXPECT_FALSE(dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(dc.BitBlt(0, 0, 0, 2, &from, 0, 0, SRCCOPY));
}

TEST(DeviceContext, BitBltWithinOneImageCopiesAsThroughABuffer)
{
    for (int shift = -3; shift <= 3; ++shift) {
        PixelImage image(10, 6);
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 10; ++x) {
                image.SetPixel(x, y, Rgb(x, y, 9));
            }
        }
        PixelImage expected = image;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x) {
                expected.SetPixel(x + 3 + shift, y + 1 + shift / 2, image.GetPixel(x + 3, y + 1));
            }
        }
        DeviceContext dc(&image);
        // Two overlapping clip rectangles that together cover the whole image.
        const Rect clips[2] = {Rect{0, 0, 7, 6}, Rect{4, 0, 10, 6}};
        dc.SetClipRects(clips, 2);
        dc.BitBlt(3 + shift, 1 + shift / 2, 5, 4, &dc, 3, 1, SRCCOPY);
        EXPECT_EQ(DifferentPixels(image, expected), 0) << "shift " << shift;
    }
}

TEST(DeviceContext, StretchBltPicksTheNearestSourcePixelDownAndRight)
{
    // The banner: 40 by 86 stretched to 40 by 124.
    PixelImage source(40, 86);
    for (int y = 0; y < 86; ++y) {
        for (int x = 0; x < 40; ++x) {
            source.SetPixel(x, y, Rgb(x, y, 3));
        }
    }
    DeviceContext from(&source);
    PixelImage image(50, 130, GREY);
    DeviceContext dc(&image);
    EXPECT_TRUE(dc.StretchBlt(5, 2, 40, 124, &from, 0, 0, 40, 86, SRCCOPY));
    int wrong = 0;
    for (int y = 0; y < 130; ++y) {
        for (int x = 0; x < 50; ++x) {
            ColorRef expected = GREY;
            if (x >= 5 && x < 45 && y >= 2 && y < 126) {
                expected = Rgb(x - 5, (y - 2) * 86 / 124, 3);
            }
            wrong += image.GetPixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    // Rows 2, 3 and 4 of the target map to source rows 0, 0 and 1.
    EXPECT_EQ(image.GetPixel(7, 3), Rgb(2, 0, 3));
    EXPECT_EQ(image.GetPixel(7, 4), Rgb(2, 1, 3));
    EXPECT_EQ(image.GetPixel(44, 125), Rgb(39, 85, 3));

    // Doubling a 2 by 2 block from an offset in the source.
    PixelImage doubled(4, 4, GREY);
    DeviceContext small(&doubled);
    small.StretchBlt(0, 0, 4, 4, &from, 10, 20, 2, 2, SRCCOPY);
    EXPECT_EQ(doubled.GetPixel(1, 1), Rgb(10, 20, 3));
    EXPECT_EQ(doubled.GetPixel(2, 1), Rgb(11, 20, 3));
    EXPECT_EQ(doubled.GetPixel(3, 3), Rgb(11, 21, 3));
    EXPECT_FALSE(small.StretchBlt(0, 0, 4, 4, &from, 0, 0, 0, 2, SRCCOPY));
}

TEST(DeviceContext, DrawingOutsideTheClipRegionChangesNoPixel)
{
    PixelImage image(16, 10, GREY);
    DeviceContext dc(&image);
    const Rect clips[2] = {Rect{2, 1, 6, 4}, Rect{4, 3, 9, 8}};
    dc.SetClipRects(clips, 2);
    dc.FillSolidRect(Rect{0, 0, 16, 10}, RED);
    EXPECT_EQ(Picture(image, Rect{0, 0, 16, 10}, LEGEND), "................\n"
                                                          "..RRRR..........\n"
                                                          "..RRRR..........\n"
                                                          "..RRRRRRR.......\n"
                                                          "....RRRRR.......\n"
                                                          "....RRRRR.......\n"
                                                          "....RRRRR.......\n"
                                                          "....RRRRR.......\n"
                                                          "................\n"
                                                          "................\n");

    // Every other operation respects the region too.
    PixelImage source(16, 10, BLUE);
    DeviceContext from(&source);
    PixelImage clipped(16, 10, GREY);
    DeviceContext cdc(&clipped);
    const Rect window{10, 2, 14, 6};
    cdc.SetClipRects(&window, 1);
    Pen pen(PS_SOLID, 2, RED);
    cdc.SelectObject(&pen);
    cdc.MoveTo(0, 0);
    cdc.LineTo(15, 9);
    cdc.Ellipse(0, 0, 16, 10);
    cdc.Draw3dRect(Rect{0, 0, 16, 10}, RED, RED);
    cdc.BitBlt(0, 0, 16, 10, &from, 0, 0, SRCCOPY);
    cdc.StretchBlt(0, 0, 16, 10, &from, 0, 0, 8, 5, SRCCOPY);
    EXPECT_EQ(CountPixels(clipped, Rect{0, 0, 16, 10}, GREY), 16 * 10 - 16);
    EXPECT_TRUE(AllPixels(clipped, window, BLUE));

    // An empty list leaves nothing drawable; clearing the region makes all of it drawable.
    cdc.SetClipRects(nullptr, 0);
    cdc.FillSolidRect(Rect{0, 0, 16, 10}, RED);
    EXPECT_EQ(CountPixels(clipped, Rect{0, 0, 16, 10}, RED), 0);
    cdc.ClearClip();
    cdc.FillSolidRect(Rect{0, 0, 16, 10}, RED);
    EXPECT_TRUE(AllPixels(clipped, Rect{0, 0, 16, 10}, RED));
}

TEST(DeviceContext, TooManyClipRectanglesBecomeTheirBoundingBox)
{
    Rect clips[DeviceContext::MAX_CLIP_RECTS + 1];
    for (int i = 0; i <= DeviceContext::MAX_CLIP_RECTS; ++i) {
        clips[i] = Rect{i, 2, i + 1, 3};
    }
    clips[5] = Rect{5, 6, 6, 7};
    PixelImage image(40, 10, GREY);
    DeviceContext dc(&image);
    dc.SetClipRects(clips, DeviceContext::MAX_CLIP_RECTS + 1);
    dc.FillSolidRect(Rect{0, 0, 40, 10}, RED);
    EXPECT_TRUE(AllPixels(image, Rect{0, 2, 33, 7}, RED));
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 40, 10}, RED), 33 * 5);
}

TEST(DeviceContext, DirtyRectangleGrowsByWhatEachOperationMayHaveChanged)
{
    PixelImage image(20, 12, GREY);
    DeviceContext dc(&image);
    dc.FillSolidRect(Rect{0, 0, 2, 2}, RED); // before tracking: not counted
    Rect dirty{0, 0, 0, 0};
    dc.SetDirtyTracker(&dirty);
    dc.FillSolidRect(Rect{15, 8, 30, 30}, RED); // reaches out of the image
    EXPECT_EQ(dirty.left, 15);
    EXPECT_EQ(dirty.top, 8);
    EXPECT_EQ(dirty.right, 20);
    EXPECT_EQ(dirty.bottom, 12);
    dc.MoveTo(5, 3);
    dc.LineTo(9, 3); // black one-pixel pen
    EXPECT_EQ(dirty.left, 5);
    EXPECT_EQ(dirty.top, 3);
    dc.Ellipse(1, 4, 3, 6);
    EXPECT_EQ(dirty.left, 1);

    // Under a clip region only the drawable part counts.
    Rect clipDirty{0, 0, 0, 0};
    dc.SetDirtyTracker(&clipDirty);
    const Rect clip{4, 4, 8, 8};
    dc.SetClipRects(&clip, 1);
    dc.FillSolidRect(Rect{0, 0, 6, 20}, BLUE);
    EXPECT_EQ(clipDirty.left, 4);
    EXPECT_EQ(clipDirty.top, 4);
    EXPECT_EQ(clipDirty.right, 6);
    EXPECT_EQ(clipDirty.bottom, 8);

    dc.SetDirtyTracker(nullptr);
    dc.ClearClip();
    dc.FillSolidRect(Rect{0, 0, 20, 12}, BLUE);
    EXPECT_EQ(clipDirty.left, 4);
    EXPECT_EQ(dirty.right, 20);
    EXPECT_EQ(dirty.left, 1);
}

TEST(DeviceContext, MemoryContextDrawsOnlyIntoTheSelectedBitmap)
{
    PixelImage window(6, 6, GREY);
    DeviceContext dc(&window);
    DeviceContext memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
    memory.FillSolidRect(Rect{0, 0, 6, 6}, RED); // no bitmap yet: nothing, no crash
    memory.Ellipse(0, 0, 6, 6);
    memory.LineTo(5, 5);
    EXPECT_EQ(memory.GetPixel(0, 0), CLR_INVALID);
    EXPECT_FALSE(dc.BitBlt(0, 0, 6, 6, &memory, 0, 0, SRCCOPY));

    Bitmap bitmap;
    bitmap.image.Resize(3, 2, BLUE);
    EXPECT_EQ(memory.SelectObject(&bitmap), nullptr);
    memory.FillSolidRect(Rect{1, 0, 9, 9}, RED);
    EXPECT_EQ(bitmap.image.GetPixel(0, 1), BLUE);
    EXPECT_EQ(bitmap.image.GetPixel(2, 1), RED);
    EXPECT_EQ(memory.GetPixel(3, 0), CLR_INVALID);
    EXPECT_TRUE(dc.BitBlt(2, 2, 3, 2, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(window.GetPixel(2, 3), BLUE);
    EXPECT_EQ(window.GetPixel(4, 2), RED);
    EXPECT_EQ(memory.SelectObject(static_cast<Bitmap*>(nullptr)), &bitmap);
    EXPECT_EQ(memory.GetTarget(), nullptr);

    // A window's context keeps its window whatever bitmap is offered.
    EXPECT_EQ(dc.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(dc.GetTarget(), &window);
}

TEST(DeviceContext, DrawingCallsAllocateNothing)
{
    PixelImage image(60, 40, GREY);
    Bitmap bitmap;
    bitmap.image.Resize(25, 25, BLUE);
    const Rect clips[3] = {Rect{0, 0, 30, 20}, Rect{10, 10, 50, 30}, Rect{5, 5, 6, 6}};

    AllocationCounter counter;
    {
        DeviceContext dc(&image);
        dc.SetClipRects(clips, 3);
        Brush brush(RED);
        Pen pen(PS_SOLID, 2, BLUE);
        dc.SelectObject(&brush);
        dc.SelectObject(&pen);
        Rect dirty{0, 0, 0, 0};
        dc.SetDirtyTracker(&dirty);
        dc.FillSolidRect(Rect{1, 1, 50, 30}, GREY);
        dc.Draw3dRect(Rect{2, 2, 40, 30}, WHITE, BLACK);
        dc.Ellipse(5, 5, 25, 25);
        dc.MoveTo(3, 3);
        dc.LineTo(40, 20);
        dc.LineTo(40, 2);
        dc.SelectStockObject(WHITE_BRUSH);
        dc.SelectStockObject(BLACK_PEN);
        DeviceContext memory;
        memory.CreateCompatibleDC(&dc);
        Bitmap* old = memory.SelectObject(&bitmap);
        dc.BitBlt(10, 10, 25, 25, &memory, 0, 0, SRCCOPY);
        dc.StretchBlt(0, 0, 40, 35, &memory, 0, 0, 25, 25, SRCCOPY);
        memory.SelectObject(old);
        dc.ClearClip();
        dc.GetPixel(1, 1);
    }
    EXPECT_EQ(counter.Count(), 0);
}

namespace {

// The pixel rules applied one pixel at a time, as a reference for the raster's span fills.
struct RuleRaster
{
    PixelImage& image;
    std::vector<Rect> clips; // empty: no region

    void Put(int x, int y, ColorRef color)
    {
        bool drawable = clips.empty();
        for (const Rect& clip : clips) {
            drawable = drawable || PtInRect(clip, Point{x, y});
        }
        if (drawable) {
            image.SetPixel(x, y, color);
        }
    }

    void Fill(const Rect& r, ColorRef color)
    {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                Put(x, y, color);
            }
        }
    }
};

} // namespace

// Random sequences of every operation under random overlapping clip regions: the raster gives
// exactly the pixels that the rules give pixel by pixel.
TEST(DeviceContext, RandomDrawingMatchesThePixelRulesPixelByPixel)
{
    std::mt19937 random(14);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const ColorRef palette[] = {GREY, RED, BLUE, WHITE, BLACK};
    PixelImage source(13, 9);
    for (ColorRef& pixel : source.pixels) {
        pixel = pick(0, 4) == 0 ? Bitmap::TRANSPARENT_PIXEL : palette[pick(0, 4)];
    }
    DeviceContext from(&source);
    for (int round = 0; round < 300; ++round) {
        PixelImage image(pick(1, 70), pick(1, 50), GREY);
        PixelImage expected = image;
        DeviceContext dc(&image);
        RuleRaster rules{expected, {}};
        for (int c = pick(0, 5); c > 0; --c) {
            const int x = pick(-5, 60);
            const int y = pick(-5, 45);
            rules.clips.push_back(Rect{x, y, x + pick(0, 30), y + pick(0, 30)});
        }
        if (!rules.clips.empty()) {
            dc.SetClipRects(rules.clips.data(), static_cast<int>(rules.clips.size()));
        }
        for (int op = 0; op < 12; ++op) {
            const int x = pick(-20, 70);
            const int y = pick(-20, 50);
            const Rect box{x, y, x + pick(0, op == 0 ? 150 : 40), y + pick(0, op == 0 ? 150 : 40)};
            const ColorRef a = palette[pick(0, 4)];
            const ColorRef b = palette[pick(0, 4)];
            const int kind = pick(0, 4);
            if (kind == 0) {
                dc.FillSolidRect(box, a);
                rules.Fill(box, a);
            } else if (kind == 1) {
                dc.Draw3dRect(box, a, b);
                for (int py = box.top; py < box.bottom; ++py) {
                    for (int px = box.left; px < box.right; ++px) {
                        if (px == box.right - 1 || py == box.bottom - 1) {
                            rules.Put(px, py, b);
                        } else if (px == box.left || py == box.top) {
                            rules.Put(px, py, a);
                        }
                    }
                }
            } else if (kind == 2) {
                Brush brush(a);
                Pen pen(pick(0, 3) == 0 ? PS_NULL : PS_SOLID, 1, b);
                const bool hollow = pick(0, 3) == 0;
                dc.SelectObject(&pen);
                dc.SelectObject(&brush);
                if (hollow) {
                    dc.SelectStockObject(NULL_BRUSH);
                }
                dc.Ellipse(box);
                for (int py = box.top; py < box.bottom; ++py) {
                    for (int px = box.left; px < box.right; ++px) {
                        const int part = EllipseOracle(box, px, py);
                        if (part == 1 && pen.style != PS_NULL) {
                            rules.Put(px, py, b);
                        } else if (part == 2 && !hollow) {
                            rules.Put(px, py, a);
                        }
                    }
                }
                dc.SelectStockObject(BLACK_PEN);
                dc.SelectStockObject(WHITE_BRUSH);
            } else if (kind == 3) {
                // Bresenham from the box's top-left to its bottom-right, a w by w square a point.
                const int w = pick(1, 3);
                Pen pen(PS_SOLID, w, a);
                dc.SelectObject(&pen);
                dc.MoveTo(box.left, box.top);
                dc.LineTo(box.right, box.bottom);
                dc.SelectStockObject(BLACK_PEN);
                int px = box.left;
                int py = box.top;
                const int dx = box.right - box.left;
                const int dy = -(box.bottom - box.top);
                for (int error = dx + dy;;) {
                    rules.Fill(Rect{px - w / 2, py - w / 2, px - w / 2 + w, py - w / 2 + w}, a);
                    if (px == box.right && py == box.bottom) {
                        break;
                    }
                    const int twice = 2 * error;
                    if (twice >= dy) {
                        error += dy;
                        ++px;
                    }
                    if (twice <= dx) {
                        error += dx;
                        ++py;
                    }
                }
            } else if (box.Width() > 0 && box.Height() > 0) {
                const int sx = pick(-3, 10);
                const int sy = pick(-3, 7);
                const int sw = pick(1, 16);
                const int sh = pick(1, 12);
                dc.StretchBlt(box.left, box.top, box.Width(), box.Height(), &from, sx, sy, sw, sh,
                              SRCCOPY);
                for (int j = 0; j < box.Height(); ++j) {
                    for (int i = 0; i < box.Width(); ++i) {
                        const int srcX = sx + i * sw / box.Width();
                        const int srcY = sy + j * sh / box.Height();
                        if (source.Contains(srcX, srcY) &&
                            source.GetPixel(srcX, srcY) != Bitmap::TRANSPARENT_PIXEL) {
                            rules.Put(box.left + i, box.top + j, source.GetPixel(srcX, srcY));
                        }
                    }
                }
            }
        }
        ASSERT_EQ(image.pixels, expected.pixels) << "round " << round;
    }
}
