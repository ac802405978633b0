#include "platform/PixelImage.h"
#include "platform/Color.h"
#include "tests/TempDir.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(PixelImage, PixelsOutsideAreIgnoredAndNegativeSizesAreEmpty)
{
    PixelImage image(3, 2, Rgb(1, 2, 3));
    image.SetPixel(3, 0, Rgb(9, 9, 9));
    image.SetPixel(-1, 1, Rgb(9, 9, 9));
    EXPECT_EQ(image.GetPixel(3, 0), 0u);
    EXPECT_EQ(image.GetPixel(2, 1), Rgb(1, 2, 3));
    image.SetPixel(2, 1, Rgb(4, 5, 6));
    EXPECT_EQ(image.pixels[5], Rgb(4, 5, 6));

    image.Resize(-4, 7);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_TRUE(image.pixels.empty());
}

TEST(PixelImage, SavePngWritesRedGreenBlueThatReadBackTheSame)
{
    TempDir dir;
    PixelImage image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.SetPixel(x, y, Rgb(x * 50, y * 100, 7));
        }
    }
    const std::string path = dir.Path("picture.png");
    ASSERT_TRUE(image.SavePng(path));

    png_image read;
    std::memset(&read, 0, sizeof read);
    read.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&read, path.c_str()), 0);
    EXPECT_EQ(read.width, 5u);
    EXPECT_EQ(read.height, 3u);
    read.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(read));
    ASSERT_NE(png_image_finish_read(&read, nullptr, bytes.data(), 0, nullptr), 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const png_byte* p = &bytes[static_cast<std::size_t>(y * 5 + x) * 3];
            EXPECT_EQ(Rgb(p[0], p[1], p[2]), image.GetPixel(x, y)) << x << "," << y;
        }
    }

    EXPECT_FALSE(image.SavePng(dir.Path("no-such-folder/picture.png")));
    EXPECT_FALSE(PixelImage().SavePng(dir.Path("empty.png")));
}

TEST(Color, SystemColoursAreTheClassicGreyScheme)
{
    EXPECT_EQ(GetSysColor(COLOR_INACTIVEBORDER), Rgb(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Rgb(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), Rgb(128, 128, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), Rgb(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), Rgb(0, 0, 0));
    EXPECT_EQ(GetSysColor(12345), Rgb(0, 0, 0));
    EXPECT_EQ(Rgb(255, 0, 0), 0x000000FFu);
    EXPECT_EQ(GetBValue(Rgb(1, 2, 3)), 3);
}
