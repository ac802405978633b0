#include "FixtureColors.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "res/Art.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

constexpr ColorRef LIGHT_GREY = Rgb(192, 192, 192);
constexpr ColorRef DARK_GREY = Rgb(128, 128, 128);

// The art keeps to the classic 16 VGA colours, so every picture fits the same palette.
bool IsVgaColor(ColorRef color)
{
    static const ColorRef vga[] = {
        Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
        Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
        Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};
    return std::find(std::begin(vga), std::end(vga), color) != std::end(vga);
}

Bitmap Load(const char* const* xpm)
{
    Bitmap bitmap;
    EXPECT_NE(xpm, nullptr);
    if (xpm != nullptr) {
        EXPECT_TRUE(bitmap.LoadXpm(xpm));
    }
    return bitmap;
}

// Counts the pixels of the bitmap that are not transparent and not in the VGA palette.
int CountForeignColors(const Bitmap& bitmap)
{
    int count = 0;
    for (ColorRef pixel : bitmap.image.pixels) {
        if (pixel != Bitmap::TRANSPARENT_PIXEL && !IsVgaColor(pixel)) {
            ++count;
        }
    }
    return count;
}

bool OnRing(int x, int y, int size)
{
    return x == 0 || y == 0 || x == size - 1 || y == size - 1;
}

bool OnBottomRight(int x, int y, int size)
{
    return x == size - 1 || y == size - 1;
}

struct ButtonPair
{
    int first;
    int second;
};

const ButtonPair hoverPairs[] = {{IDB_DRAW_NEXT, IDB_DRAW_NEXT_HOVER},
                                 {IDB_UNDO, IDB_UNDO_HOVER},
                                 {IDB_DELETE, IDB_DELETE_HOVER}};
const ButtonPair disabledPairs[] = {{IDB_UNDO, IDB_UNDO_DISABLED},
                                    {IDB_DELETE, IDB_DELETE_DISABLED}};
const int buttonIds[] = {IDB_DRAW_NEXT,    IDB_DRAW_NEXT_HOVER, IDB_UNDO,
                         IDB_UNDO_HOVER,   IDB_UNDO_DISABLED,   IDB_DELETE,
                         IDB_DELETE_HOVER, IDB_DELETE_DISABLED};

} // namespace

TEST(Art, BitmapsHaveTheirSizesAndOpaquePalettePixels)
{
    for (int id : buttonIds) {
        SCOPED_TRACE(id);
        Bitmap bitmap = Load(FindBitmapXpm(id));
        EXPECT_EQ(bitmap.Width(), 25);
        EXPECT_EQ(bitmap.Height(), 25);
        EXPECT_EQ(CountForeignColors(bitmap), 0);
        EXPECT_EQ(std::count(bitmap.image.pixels.begin(), bitmap.image.pixels.end(),
                             Bitmap::TRANSPARENT_PIXEL),
                  0);
    }
    Bitmap banner = Load(FindBitmapXpm(IDB_BANNER));
    EXPECT_EQ(banner.Width(), 40);
    EXPECT_EQ(banner.Height(), 86);
    EXPECT_EQ(CountForeignColors(banner), 0);
    EXPECT_EQ(std::count(banner.image.pixels.begin(), banner.image.pixels.end(),
                         Bitmap::TRANSPARENT_PIXEL),
              0);
    // The title is light grey with red plus signs on black.
    for (ColorRef color : {BLACK, LIGHT_GREY, Rgb(255, 0, 0)}) {
        EXPECT_GT(std::count(banner.image.pixels.begin(), banner.image.pixels.end(), color), 0);
    }

    // Ids are per kind: the icon's id names no bitmap.
    EXPECT_EQ(FindBitmapXpm(IDI_MAINFRAME), nullptr);
    EXPECT_EQ(FindBitmapXpm(131), nullptr);
}

TEST(Art, HoveredButtonsChangeOnlyTheGroundAndTheEdges)
{
    for (const ButtonPair& pair : hoverPairs) {
        SCOPED_TRACE(pair.first);
        Bitmap normal = Load(FindBitmapXpm(pair.first));
        Bitmap hovered = Load(FindBitmapXpm(pair.second));
        ASSERT_EQ(normal.Width(), 25);
        ASSERT_EQ(hovered.Width(), 25);
        int faces = 0;
        int picture = 0;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                ColorRef n = normal.image.GetPixel(x, y);
                ColorRef h = hovered.image.GetPixel(x, y);
                if (OnRing(x, y, 25)) {
                    // Flat: light grey top and left, dark grey bottom and right. Raised: white
                    // top and left, black bottom and right.
                    bool low = OnBottomRight(x, y, 25);
                    EXPECT_EQ(n, low ? DARK_GREY : LIGHT_GREY) << x << "," << y;
                    EXPECT_EQ(h, low ? BLACK : WHITE) << x << "," << y;
                } else if (n == BLACK && h == LIGHT_GREY) {
                    ++faces;
                } else {
                    EXPECT_EQ(n, h) << x << "," << y;
                    picture += n != BLACK ? 1 : 0;
                }
            }
        }
        // Most of the black ground becomes the grey face, and the picture is really there.
        EXPECT_GT(faces, 23 * 23 / 3);
        EXPECT_GT(picture, 40);
    }
}

TEST(Art, DisabledButtonsShowThePictureInLightGreyWithoutBorder)
{
    for (const ButtonPair& pair : disabledPairs) {
        SCOPED_TRACE(pair.first);
        Bitmap normal = Load(FindBitmapXpm(pair.first));
        Bitmap disabled = Load(FindBitmapXpm(pair.second));
        ASSERT_EQ(disabled.Width(), 25);
        ASSERT_EQ(disabled.Height(), 25);
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 25; ++x) {
                ColorRef n = normal.image.GetPixel(x, y);
                ColorRef d = disabled.image.GetPixel(x, y);
                if (OnRing(x, y, 25)) {
                    EXPECT_EQ(d, BLACK) << x << "," << y;
                } else {
                    EXPECT_EQ(d, n == BLACK ? BLACK : LIGHT_GREY) << x << "," << y;
                }
            }
        }
    }
}

TEST(Art, CursorsAreCentredOnTheirHotSpotAndShowOnLightAndDark)
{
    for (int id : {IDCUR_SELECT, IDCUR_DELETE}) {
        SCOPED_TRACE(id);
        Bitmap cursor = Load(FindCursorXpm(id));
        ASSERT_EQ(cursor.Width(), 32);
        ASSERT_EQ(cursor.Height(), 32);
        EXPECT_EQ(cursor.hotSpotX, 16);
        EXPECT_EQ(cursor.hotSpotY, 16);
        EXPECT_EQ(CountForeignColors(cursor), 0);

        // The opaque shape is centred on the hot spot and leaves the corners see-through.
        Rect box{32, 32, 0, 0};
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                ColorRef pixel = cursor.image.GetPixel(x, y);
                if (pixel == Bitmap::TRANSPARENT_PIXEL) {
                    continue;
                }
                box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
                black += pixel == BLACK ? 1 : 0;
                white += pixel == WHITE ? 1 : 0;
            }
        }
        EXPECT_EQ(box.left + box.right, 2 * 16 + 1);
        EXPECT_EQ(box.top + box.bottom, 2 * 16 + 1);
        EXPECT_GT(box.left, 0);
        EXPECT_GT(box.top, 0);
        // Black shows on the grey face, white on a black piece.
        EXPECT_GT(black, 20);
        EXPECT_GT(white, 20);
    }
    // The select square is hollow: the cell shows through at the hot spot. The delete cursor
    // crosses it out there.
    EXPECT_EQ(Load(FindCursorXpm(IDCUR_SELECT)).image.GetPixel(16, 16), Bitmap::TRANSPARENT_PIXEL);
    EXPECT_NE(Load(FindCursorXpm(IDCUR_DELETE)).image.GetPixel(16, 16), Bitmap::TRANSPARENT_PIXEL);
    EXPECT_EQ(FindCursorXpm(IDB_DRAW_NEXT), nullptr);
}

TEST(Art, IconComesIn16And32Pixels)
{
    for (int size : {16, 32}) {
        Bitmap icon = Load(FindIconXpm(size));
        EXPECT_EQ(icon.Width(), size);
        EXPECT_EQ(icon.Height(), size);
        EXPECT_EQ(CountForeignColors(icon), 0);
    }
    EXPECT_EQ(FindIconXpm(24), nullptr);
    EXPECT_EQ(FindIconXpm(0), nullptr);
}

namespace {

// Copies the bitmap onto the sheet enlarged 4 times; transparent pixels leave the ground.
void Paste4x(PixelImage& sheet, const Bitmap& bitmap, int left, int top)
{
    for (int y = 0; y < bitmap.Height() * 4; ++y) {
        for (int x = 0; x < bitmap.Width() * 4; ++x) {
            ColorRef pixel = bitmap.image.GetPixel(x / 4, y / 4);
            if (pixel != Bitmap::TRANSPARENT_PIXEL) {
                sheet.SetPixel(left + x, top + y, pixel);
            }
        }
    }
}

} // namespace

// Writes every picture of the game, enlarged 4 times, onto one light grey sheet to look at:
// the buttons in the order normal, hovered, disabled; then the cursors and the icons; the banner
// on the right.
TEST(Art, WritesTheContactSheet)
{
    constexpr int GAP = 12;
    std::vector<Bitmap> buttons;
    for (int id : buttonIds) {
        buttons.push_back(Load(FindBitmapXpm(id)));
    }
    std::vector<Bitmap> others = {Load(FindCursorXpm(IDCUR_SELECT)),
                                  Load(FindCursorXpm(IDCUR_DELETE)), Load(FindIconXpm(32)),
                                  Load(FindIconXpm(16))};
    Bitmap banner = Load(FindBitmapXpm(IDB_BANNER));

    int buttonsWidth = GAP + static_cast<int>(buttons.size()) * (25 * 4 + GAP);
    int width = buttonsWidth + 40 * 4 + GAP;
    int height = std::max(GAP + 25 * 4 + GAP + 32 * 4 + GAP, GAP + 86 * 4 + GAP);
    PixelImage sheet(width, height, LIGHT_GREY);

    int x = GAP;
    for (const Bitmap& button : buttons) {
        Paste4x(sheet, button, x, GAP);
        x += 25 * 4 + GAP;
    }
    x = GAP;
    for (const Bitmap& other : others) {
        Paste4x(sheet, other, x, GAP + 25 * 4 + GAP);
        x += other.Width() * 4 + GAP;
    }
    Paste4x(sheet, banner, buttonsWidth, GAP);

    // Enlarged pixels land where they should: the first button's dark bottom-right corner, the
    // banner's black ground, and the ground left alone by the select cursor's see-through corner.
    EXPECT_EQ(sheet.GetPixel(GAP + 4 * 25 - 1, GAP + 4 * 25 - 1), DARK_GREY);
    EXPECT_EQ(sheet.GetPixel(GAP, GAP + 4 * 25 + GAP), LIGHT_GREY);
    EXPECT_EQ(sheet.GetPixel(buttonsWidth, GAP), BLACK);

    std::filesystem::create_directories(TOBRIX_SCREENSHOT_DIR);
    std::string path = std::string(TOBRIX_SCREENSHOT_DIR) + "/art.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(sheet.SavePng(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}
