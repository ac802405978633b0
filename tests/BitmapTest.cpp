#include "platform/Bitmap.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

// A small cursor-like picture: one character per pixel, a transparent colour and a hot spot.
const char* const ARROW[] = {
    "5 3 3 1 1 2", "  c None", ". c #FF8000", "X c #000000 m black", "X.  X", ".X  .", "  X..",
};

// Two characters per pixel, colours given in both cases of hex digits.
const char* const PAIRS[] = {
    "3 2 2 2", "ab c #0a0B0c", "ba c #FFffFF", "abbaab", "bababa",
};

} // namespace

TEST(Bitmap, LoadsColoursTransparencyAndHotSpot)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.LoadXpm(ARROW, static_cast<int>(std::size(ARROW))));
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.hotSpotX, 1);
    EXPECT_EQ(bitmap.hotSpotY, 2);
    EXPECT_EQ(bitmap.image.GetPixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(bitmap.image.GetPixel(1, 0), Rgb(255, 128, 0));
    EXPECT_EQ(bitmap.image.GetPixel(2, 0), Bitmap::TRANSPARENT_PIXEL);
    EXPECT_EQ(bitmap.image.GetPixel(4, 1), Rgb(255, 128, 0));
    EXPECT_EQ(bitmap.image.GetPixel(2, 2), Rgb(0, 0, 0));

    ASSERT_TRUE(bitmap.LoadXpm(PAIRS));
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.hotSpotX, -1);
    EXPECT_EQ(bitmap.image.GetPixel(0, 0), Rgb(10, 11, 12));
    EXPECT_EQ(bitmap.image.GetPixel(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(bitmap.image.GetPixel(2, 1), Rgb(255, 255, 255));

    bitmap.DeleteObject();
    EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(Bitmap, MalformedDataGivesFalseAndAnEmptyBitmap)
{
    const char* const badValues[] = {"5 x 3 1", "  c None", ". c #FF8000", "X c #000000"};
    const char* const tooFewValues[] = {"1 1 1", "a c #000000", "a"};
    const char* const trailing[] = {"1 1 1 1 junk", "a c #000000", "a"};
    const char* const threeChars[] = {"1 1 1 3", "abc c #000000", "abc"};
    const char* const hotOutside[] = {"2 1 1 1 2 0", "a c #000000", "aa"};
    const char* const shortHex[] = {"1 1 1 1", "a c #FFF", "a"};
    const char* const badHex[] = {"1 1 1 1", "a c #GG0000", "a"};
    const char* const namedColour[] = {"1 1 1 1", "a c red", "a"};
    const char* const noColourKey[] = {"1 1 1 1", "a m #000000", "a"};
    const char* const twoColourKeys[] = {"1 1 1 1", "a c #000000 c None", "a"};
    const char* const keyWithoutValue[] = {"1 1 1 1", "a c", "a"};
    const char* const duplicate[] = {"1 1 2 1", "a c #000000", "a c #FFFFFF", "a"};
    const char* const unknownPixel[] = {"2 1 1 1", "a c #000000", "ab"};
    const char* const shortRow[] = {"3 1 1 1", "a c #000000", "aa"};
    const char* const longRow[] = {"2 1 1 1", "a c #000000", "aaa"};
    const char* const halfPair[] = {"1 1 1 2", "ab c #000000", "a"};
    const char* const missingRow[] = {"1 2 1 1", "a c #000000", "a", nullptr};
    const char* const huge[] = {"100000 1 1 1", "a c #000000", "a"};
    const char* const zero[] = {"0 1 1 1", "a c #000000", ""};
    const char* const* cases[] = {
        badValues,       tooFewValues, trailing,     threeChars,  hotOutside,
        shortHex,        badHex,       namedColour,  noColourKey, twoColourKeys,
        keyWithoutValue, duplicate,    unknownPixel, shortRow,    longRow,
        halfPair,        missingRow,   huge,         zero};
    int index = 0;
    for (const char* const* xpm : cases) {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.LoadXpm(PAIRS));
        EXPECT_FALSE(bitmap.LoadXpm(xpm)) << "case " << index;
        EXPECT_TRUE(bitmap.IsEmpty()) << "case " << index;
        EXPECT_EQ(bitmap.hotSpotX, -1) << "case " << index;
        ++index;
    }
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.LoadXpm(nullptr));
}

TEST(Bitmap, NeverReadsPastTheGivenNumberOfLines)
{
    // The values line promises three rows, the array holds two: with the count given, the
    // parser stops before the missing line instead of reading beyond the array.
    const char* const truncated[] = {"1 3 1 1", "a c #000000", "a", "a"};
    Bitmap bitmap;
    EXPECT_FALSE(bitmap.LoadXpm(truncated, static_cast<int>(std::size(truncated))));
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_FALSE(bitmap.LoadXpm(ARROW, 0));
    EXPECT_TRUE(bitmap.LoadXpm(ARROW, static_cast<int>(std::size(ARROW))));
}
