#include "app/ColorLegend.h"
#include "board/PieceColors.h"
#include "platform/DeviceContext.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef MARK = Rgb(1, 2, 3);

// The colour of each of the eight 10 by 10 swatches of the panel at (155, 129), checked whole.
void ExpectSwatches(const PixelImage& image, const ColorRef (&expected)[8])
{
    for (int i = 0; i < 8; ++i) {
        const int left = 155 + (i % 4) * 10;
        const int top = 129 + (i / 4) * 10;
        EXPECT_TRUE(AllPixels(image, Rect{left, top, left + 10, top + 10}, expected[i]))
            << "swatch " << i;
    }
}

} // namespace

TEST(ColorLegend, ShowsTheColoursInPlayAndGreyForTheRest)
{
    PixelImage image(200, 185, MARK);
    DeviceContext dc(&image);
    const Rect panel{155, 129, 195, 149};

    DrawColorSwatches(dc, panel, 6);
    const ColorRef six[8] = {PieceColors[0], PieceColors[1], PieceColors[2], PieceColors[3],
                             PieceColors[4], PieceColors[5], PANEL_GREY,     PANEL_GREY};
    ExpectSwatches(image, six);
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 200, 185}, MARK), 200 * 185 - 40 * 20);

    DrawColorSwatches(dc, panel, 1);
    const ColorRef one[8] = {PieceColors[0], PANEL_GREY, PANEL_GREY, PANEL_GREY,
                             PANEL_GREY,     PANEL_GREY, PANEL_GREY, PANEL_GREY};
    ExpectSwatches(image, one);

    DrawColorSwatches(dc, panel, 8);
    EXPECT_TRUE(AllPixels(image, Rect{185, 139, 195, 149}, Rgb(0, 0, 0)));
    EXPECT_TRUE(AllPixels(image, Rect{175, 139, 185, 149}, Rgb(255, 255, 255)));
}

TEST(ColorLegend, SwatchSizeIsTheIntegerShareOfThePanel)
{
    PixelImage image(50, 30, MARK);
    DeviceContext dc(&image);
    DrawColorSwatches(dc, Rect{1, 2, 44, 23}, 8); // 43 by 21: swatches of 10 by 10
    EXPECT_TRUE(AllPixels(image, Rect{31, 12, 41, 22}, Rgb(0, 0, 0)));
    EXPECT_TRUE(AllPixels(image, Rect{41, 2, 44, 23}, MARK));
    EXPECT_TRUE(AllPixels(image, Rect{1, 22, 44, 23}, MARK));
}
