#include "app/ColorLegend.h"
#include "board/PieceColors.h"
#include "board/PiecePainter.h"
#include "platform/DeviceContext.h"
#include "tests/ColourVision.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {
constexpr int WIDTH = PIECE_COLOR_COUNT * 30 + 50;
constexpr int SCALE = 3;

// The eight pieces at rest in a row of 30-pixel cells and the legend beside them.
PixelImage DrawRow(bool symbols)
{
    PixelImage row(WIDTH, 30, Rgb(192, 192, 192));
    DeviceContext dc(&row);
    PiecePainter painter;
    painter.cellSize = 30;
    painter.symbols = symbols;
    for (int i = 0; i < PIECE_COLOR_COUNT; ++i) {
        painter.color = PieceColor(i);
        painter.DrawPiece(dc, 0, i, false);
    }
    const Rect panel{WIDTH - 45, 5, WIDTH - 5, 25};
    DrawColorSwatches(dc, panel, PIECE_COLOR_COUNT);
    if (symbols) {
        DrawSwatchSymbols(dc, panel, PIECE_COLOR_COUNT);
    }
    return row;
}

// Two masks differ in at least a fifth of the pixels either covers.
bool FarApart(const std::vector<bool>& a, const std::vector<bool>& b)
{
    int differing = 0;
    int covered = 0;
    for (std::size_t p = 0; p < a.size(); ++p) {
        differing += a[p] != b[p];
        covered += a[p] || b[p];
    }
    return differing * 5 >= covered;
}
} // namespace

// Each colour's symbol, on its piece (30-pixel cells) and in the legend (6 pixels, the size of
// the smallest preview's): a shape of its own, in one ink on the piece's fill alone, at 3:1 or
// more to the piece under normal and each dichromatic vision. The row, as each vision sees it,
// goes to a picture for a person to look at.
TEST(PieceSymbols, EachColourHasAShapeOfItsOwnThatStandsOutUnderEveryColourVision)
{
    const PixelImage plain = DrawRow(false);
    const PixelImage marked = DrawRow(true);
    std::vector<bool> masks[2][PIECE_COLOR_COUNT];
    for (int i = 0; i < PIECE_COLOR_COUNT; ++i) {
        const Rect blocks[2] = {{i * 30, 0, i * 30 + 30, 30},
                                {WIDTH - 45 + (i % 4) * 10, 5 + (i / 4) * 10,
                                 WIDTH - 35 + (i % 4) * 10, 15 + (i / 4) * 10}};
        ColorRef ink = CLR_INVALID;
        for (int b = 0; b < 2; ++b) {
            const Rect& block = blocks[b];
            for (int y = block.top; y < block.bottom; ++y) {
                for (int x = block.left; x < block.right; ++x) {
                    const bool changed = plain.GetPixel(x, y) != marked.GetPixel(x, y);
                    masks[b][i].push_back(changed);
                    ink = changed && ink == CLR_INVALID ? marked.GetPixel(x, y) : ink;
                    EXPECT_TRUE(!changed || (plain.GetPixel(x, y) == PieceColor(i) &&
                                             marked.GetPixel(x, y) == ink))
                        << "colour " << i << " at " << x << "," << y;
                }
            }
        }
        ASSERT_NE(ink, CLR_INVALID) << "colour " << i;
        for (const Vision& vision : VISIONS) {
            EXPECT_GE(ContrastRatio(Simulate(vision, ink), Simulate(vision, PieceColor(i))), 3.0)
                << vision.name << ", colour " << i;
        }
    }
    for (int a = 0; a < PIECE_COLOR_COUNT; ++a) {
        for (int b = a + 1; b < PIECE_COLOR_COUNT; ++b) {
            EXPECT_TRUE(FarApart(masks[0][a], masks[0][b])) << "pieces " << a << ", " << b;
            EXPECT_TRUE(FarApart(masks[1][a], masks[1][b])) << "legend " << a << ", " << b;
        }
    }

    const int visions = static_cast<int>(std::size(VISIONS));
    PixelImage picture(WIDTH * SCALE, 30 * SCALE * visions);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const ColorRef seen = marked.GetPixel(x / SCALE, y / SCALE % 30);
            picture.SetPixel(x, y, Simulate(VISIONS[y / (30 * SCALE)], seen));
        }
    }
    const char* given = std::getenv("TOBRIX_SCREENSHOT_DIR");
    const std::string dir = given && given[0] != '\0' ? given : TOBRIX_SCREENSHOT_DIR;
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(picture.SavePng(dir + "/symbols_colour_vision.png"));
}
