#include "app/ToolButton.h"
#include "FixtureColors.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

// Small pictures, one per state, each a single colour with a different top-left pixel.
const char* const NORMAL[] = {"3 2 2 1", "a c #0000FF", "b c #FFFFFF", "baa", "aaa"};
const char* const HOVER[] = {"3 2 2 1", "a c #00FF00", "b c #FFFFFF", "baa", "aaa"};
const char* const DISABLED[] = {"3 2 2 1", "a c #808080", "b c #FFFFFF", "baa", "aaa"};

} // namespace

TEST(ToolButton, DrawsThePictureOfItsStateAtItsPlace)
{
    ToolButton button;
    ASSERT_TRUE(button.normalBitmap.LoadXpm(NORMAL));
    ASSERT_TRUE(button.hoverBitmap.LoadXpm(HOVER));
    ASSERT_TRUE(button.disabledBitmap.LoadXpm(DISABLED));
    button.Place(4, 1, 3, 2);
    EXPECT_EQ(button.rect.right, 7);
    EXPECT_EQ(button.rect.bottom, 3);

    PixelImage image(10, 5, FACE);
    DeviceContext dc(&image);
    const std::vector<std::pair<ColorRef, char>> legend = {{FACE, '.'},
                                                           {Rgb(0, 0, 255), 'n'},
                                                           {Rgb(0, 255, 0), 'h'},
                                                           {Rgb(128, 128, 128), 'd'},
                                                           {Rgb(255, 255, 255), 'W'}};
    button.Draw(dc, false);
    EXPECT_EQ(Picture(image, Rect{0, 0, 10, 5}, legend), "..........\n"
                                                         "....Wnn...\n"
                                                         "....nnn...\n"
                                                         "..........\n"
                                                         "..........\n");
    button.HitTest(Point{5, 2});
    button.Draw(dc, false);
    EXPECT_EQ(image.GetPixel(6, 2), Rgb(0, 255, 0));
    button.SetEnabled(false);
    button.Draw(dc, false);
    EXPECT_EQ(image.GetPixel(6, 2), Rgb(128, 128, 128));
    EXPECT_EQ(image.GetPixel(4, 1), Rgb(255, 255, 255));

    // A state without a picture draws nothing.
    button.state = 7;
    PixelImage untouched(10, 5, FACE);
    DeviceContext untouchedDc(&untouched);
    button.Draw(untouchedDc, false);
    EXPECT_TRUE(AllPixels(untouched, Rect{0, 0, 10, 5}, FACE));
}

TEST(ToolButton, UnstretchedCopiesTheRectangleSizeFromTheTopLeftCorner)
{
    // A rectangle smaller than the bitmap shows its top-left part; a larger one leaves the rest.
    ToolButton button;
    ASSERT_TRUE(button.normalBitmap.LoadXpm(NORMAL));
    PixelImage image(10, 5, FACE);
    DeviceContext dc(&image);
    button.Place(0, 0, 1, 1);
    button.Draw(dc, false);
    button.Place(5, 1, 5, 4);
    button.Draw(dc, false);
    EXPECT_EQ(image.GetPixel(0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(image.GetPixel(1, 0), FACE);
    EXPECT_EQ(CountPixels(image, Rect{5, 1, 10, 5}, FACE), 5 * 4 - 3 * 2);
}

TEST(ToolButton, BannerIsStretchedFromItsSourceSize)
{
    ToolButton banner;
    ASSERT_TRUE(banner.LoadStateBitmap(IDB_BANNER, HOT_NORMAL));
    ASSERT_EQ(banner.normalBitmap.Width(), 40);
    ASSERT_EQ(banner.normalBitmap.Height(), 86);
    banner.sourceWidth = 40;
    banner.sourceHeight = 86;
    // A board of 20 columns and 5 rows: the banner is 124 pixels high.
    banner.Place(605, 0, 40, 124);
    PixelImage image(650, 185, FACE);
    DeviceContext dc(&image);
    banner.Draw(dc, true);
    int wrong = 0;
    for (int y = 0; y < 124; ++y) {
        for (int x = 0; x < 40; ++x) {
            wrong +=
                image.GetPixel(605 + x, y) != banner.normalBitmap.image.GetPixel(x, y * 86 / 124)
                    ? 1
                    : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(AllPixels(image, Rect{605, 124, 645, 185}, FACE));
    EXPECT_TRUE(AllPixels(image, Rect{645, 0, 650, 185}, FACE));
}

TEST(ToolButton, LoadsEveryButtonPictureByIdAndState)
{
    struct Look
    {
        int id;
        int state;
    };
    const Look looks[] = {
        {IDB_DRAW_NEXT, HOT_NORMAL},
        {IDB_DRAW_NEXT_HOVER, HOT_HOVERED},
        {IDB_UNDO, HOT_NORMAL},
        {IDB_UNDO_HOVER, HOT_HOVERED},
        {IDB_UNDO_DISABLED, HOT_DISABLED},
        {IDB_DELETE, HOT_NORMAL},
        {IDB_DELETE_HOVER, HOT_HOVERED},
        {IDB_DELETE_DISABLED, HOT_DISABLED},
    };
    for (const Look& look : looks) {
        ToolButton button;
        EXPECT_TRUE(button.LoadStateBitmap(look.id, look.state)) << look.id;
        const Bitmap& bitmap = look.state == HOT_NORMAL    ? button.normalBitmap
                               : look.state == HOT_HOVERED ? button.hoverBitmap
                                                           : button.disabledBitmap;
        EXPECT_EQ(bitmap.Width(), 25) << look.id;
        EXPECT_EQ(bitmap.Height(), 25) << look.id;
    }

    ToolButton button;
    EXPECT_FALSE(button.LoadStateBitmap(IDB_UNDO, 3));
    EXPECT_FALSE(button.LoadStateBitmap(999, HOT_NORMAL));
    EXPECT_TRUE(button.normalBitmap.IsEmpty());
}
