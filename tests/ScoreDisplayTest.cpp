#include "game/ScoreDisplay.h"
#include "FixtureColors.h"
#include "platform/DeviceContext.h"
#include "tests/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef LIT = Rgb(255, 0, 0);
constexpr ColorRef DARK = Rgb(120, 0, 0);
constexpr ColorRef MARK = Rgb(1, 2, 3);

const std::vector<std::pair<ColorRef, char>> LEGEND = {
    {LIT, 'R'}, {DARK, 'D'}, {BLACK, 'K'}, {MARK, 'm'}};

// The score box of a 5 by 5 board's window, as the controller paints it: black, then the digits.
struct ScoreFixture : ::testing::Test
{
    ScoreFixture() : image(200, 185, Rgb(192, 192, 192)), dc(&image)
    {
        SetRect(score.rect, 155, 158, 195, 177);
        dc.FillSolidRect(score.rect, BLACK);
    }

    PixelImage image;
    DeviceContext dc;
    ScoreDisplay score;
};

} // namespace

TEST_F(ScoreFixture, ZeroIsOneWideDigitWithItsMiddleSegmentDark)
{
    EXPECT_EQ(score.value, 0);
    EXPECT_EQ(score.digitCount, 1);
    score.Draw(dc);
    EXPECT_EQ(Picture(image, score.rect, LEGEND), "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK\n"
                                                  "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK\n"
                                                  "KRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRK\n"
                                                  "KRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDRRK\n"
                                                  "KRRDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKRRK\n"
                                                  "KRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRK\n"
                                                  "KRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRK\n"
                                                  "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK\n");
    // Nothing outside the box.
    EXPECT_EQ(CountPixels(image, Rect{0, 0, 200, 185}, Rgb(192, 192, 192)), 200 * 185 - 40 * 19);
}

TEST_F(ScoreFixture, BoxIsClearedOnlyWhenTheNumberOfDigitsChanges)
{
    const int left = score.rect.left;
    const int top = score.rect.top;
    score.value = 9;
    score.Draw(dc);

    // A pixel off every segment of one, two or three digits tells whether the box was cleared.
    image.SetPixel(left + 10, top + 6, MARK);
    score.AddPoints(1);
    score.Draw(dc);
    EXPECT_EQ(score.digitCount, 2);
    EXPECT_EQ(image.GetPixel(left + 10, top + 6), BLACK);
    // "1" in the left half: only the right verticals lit, at x + 18 of a 20-pixel digit.
    EXPECT_EQ(image.GetPixel(left + 18, top + 6), LIT);
    EXPECT_EQ(image.GetPixel(left + 2, top + 6), DARK);
    EXPECT_EQ(image.GetPixel(left + 10, top + 3), DARK);
    // "0" in the right half: both upper verticals lit, the middle dark.
    EXPECT_EQ(image.GetPixel(left + 22, top + 6), LIT);
    EXPECT_EQ(image.GetPixel(left + 38, top + 6), LIT);
    EXPECT_EQ(image.GetPixel(left + 30, top + 10), DARK);
    EXPECT_EQ(image.GetPixel(left + 30, top + 17), LIT);

    image.SetPixel(left + 10, top + 6, MARK);
    score.AddPoints(1);
    score.Draw(dc);
    EXPECT_EQ(score.value, 11);
    EXPECT_EQ(image.GetPixel(left + 10, top + 6), MARK);
    // The old "0" is fully overdrawn by "1": its left vertical and bottom go dark.
    EXPECT_EQ(image.GetPixel(left + 22, top + 6), DARK);
    EXPECT_EQ(image.GetPixel(left + 30, top + 17), DARK);
    EXPECT_EQ(image.GetPixel(left + 38, top + 6), LIT);

    // Undo back to a shorter score clears the box for one wide digit again.
    score.value = 8;
    score.Draw(dc);
    EXPECT_EQ(score.digitCount, 1);
    EXPECT_EQ(image.GetPixel(left + 10, top + 6), BLACK);
    EXPECT_EQ(image.GetPixel(left + 20, top + 10), LIT);
    EXPECT_EQ(image.GetPixel(left + 20, top + 6), BLACK);
}

TEST_F(ScoreFixture, EveryDigitShowsItsLitSegmentsAndTheRestInDarkRed)
{
    // Lit segments per digit on a usual seven-segment display.
    const int litCount[10] = {6, 2, 5, 5, 4, 5, 6, 3, 7, 6};
    // A pixel in the middle of each segment of the one wide digit.
    const Point middles[7] = {{20, 3}, {2, 6}, {38, 6}, {20, 10}, {2, 13}, {38, 13}, {20, 17}};
    for (int digit = 0; digit <= 9; ++digit) {
        score.value = digit;
        score.Draw(dc);
        int lit = 0;
        int dark = 0;
        for (const Point& p : middles) {
            const ColorRef c = image.GetPixel(score.rect.left + p.x, score.rect.top + p.y);
            lit += c == LIT ? 1 : 0;
            dark += c == DARK ? 1 : 0;
        }
        EXPECT_EQ(lit, litCount[digit]) << "digit " << digit;
        EXPECT_EQ(dark, 7 - litCount[digit]) << "digit " << digit;
        EXPECT_EQ(CountPixels(image, score.rect, LIT) + CountPixels(image, score.rect, DARK) +
                      CountPixels(image, score.rect, BLACK),
                  40 * 19);
    }
}

TEST_F(ScoreFixture, NarrowerDigitsForLongerScoresAndTheBlackPenAfterwards)
{
    // Three digits are 13 pixels wide with their verticals at x + 2 and x + 11.
    score.value = 888;
    score.Draw(dc);
    const int left = score.rect.left;
    const int top = score.rect.top;
    for (int digit = 0; digit < 3; ++digit) {
        EXPECT_EQ(image.GetPixel(left + 13 * digit + 2, top + 6), LIT);
        EXPECT_EQ(image.GetPixel(left + 13 * digit + 11, top + 13), LIT);
        EXPECT_EQ(image.GetPixel(left + 13 * digit + 6, top + 6), BLACK);
    }
    EXPECT_TRUE(AllPixels(image, Rect{left + 39, top, left + 40, top + 19}, BLACK));

    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    EXPECT_EQ(image.GetPixel(3, 0), BLACK);

    // Adding points draws nothing.
    const PixelImage before = image;
    score.AddPoints(5);
    EXPECT_EQ(score.value, 893);
    EXPECT_EQ(DifferentPixels(image, before), 0);
}

TEST_F(ScoreFixture, NegativeScoreShowsOnlyItsDigits)
{
    score.value = -5;
    score.Draw(dc);
    EXPECT_EQ(score.digitCount, 2);
    const Rect sign{score.rect.left, score.rect.top, score.rect.left + 20, score.rect.bottom};
    EXPECT_TRUE(AllPixels(image, sign, BLACK));
    EXPECT_EQ(image.GetPixel(score.rect.left + 30, score.rect.top + 3), LIT);
}
