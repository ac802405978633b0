#include "board/PieceSymbols.h"

#include "board/PieceColors.h"
#include "platform/DeviceContext.h"

#include <cassert>
#include <cstdlib>

namespace {

enum class Shape
{
    DIAMOND,
    RING,
    SQUARE,
    PLUS,
    TRIANGLE,
    BAR,
    DOT,
    CROSS,
};

constexpr Shape SHAPES[PIECE_COLOR_COUNT] = {
    Shape::DIAMOND,  Shape::RING, Shape::SQUARE, Shape::PLUS,
    Shape::TRIANGLE, Shape::BAR,  Shape::DOT,    Shape::CROSS,
};

constexpr ColorRef DARK_INK = Rgb(0, 0, 0);
constexpr ColorRef LIGHT_INK = Rgb(255, 255, 255);
constexpr ColorRef INKS[PIECE_COLOR_COUNT] = {
    LIGHT_INK, DARK_INK, DARK_INK, DARK_INK, DARK_INK, LIGHT_INK, DARK_INK, LIGHT_INK,
};

int Checked(int colorIndex)
{
    assert(colorIndex >= 0 && colorIndex < PIECE_COLOR_COUNT);
    return colorIndex;
}

} // namespace

int SymbolSideOnPiece(int pieceSide)
{
    // Three fifths of the circle keeps every corner of a full-size symbol inside the piece's
    // fill; smaller than 4 pixels no two shapes look different any more.
    const int side = (pieceSide * 3 / 5) & ~1;
    return side >= 4 ? side : 0;
}

ColorRef SymbolInk(int colorIndex)
{
    return INKS[Checked(colorIndex)];
}

// The shapes are written in doubled coordinates measured from the square's centre, u = 2x + 1 -
// side and v = 2y + 1 - side: odd numbers, symmetric about 0, so that every shape is centred to
// the pixel. Strokes are 2 pixels wide from a side of 8 up, 1 pixel below.
bool SymbolCovers(int colorIndex, int side, int x, int y)
{
    if (x < 0 || y < 0 || x >= side || y >= side) {
        return false;
    }
    const int u = 2 * x + 1 - side;
    const int v = 2 * y + 1 - side;
    const int au = std::abs(u);
    const int av = std::abs(v);
    const int stroke = side >= 8 ? 2 : 1;
    switch (SHAPES[Checked(colorIndex)]) {
    case Shape::DIAMOND:
        // A diagonal edge needs a pixel more across than a straight one to look as thick.
        return au + av <= side && au + av > side - 2 * (stroke + 1);
    case Shape::RING: {
        const int inner = side - 2 * stroke;
        return u * u + v * v <= side * side && u * u + v * v > inner * inner;
    }
    case Shape::SQUARE:
        return (au > av ? au : av) > side - 1 - 2 * stroke;
    case Shape::PLUS:
        return au <= 1 || av <= 1;
    case Shape::TRIANGLE:
        return au <= y + 1;
    case Shape::BAR: {
        const int height = side / 3 >= 4 ? (side / 3) & ~1 : 2;
        return av < height;
    }
    case Shape::DOT: {
        const int diameter = (side * 2 / 3) & ~1;
        return u * u + v * v <= diameter * diameter;
    }
    case Shape::CROSS:
        return std::abs(u - v) <= 2 * (stroke - 1) || std::abs(u + v) <= 2 * (stroke - 1);
    }
    return false;
}

void DrawPieceSymbol(DeviceContext& dc, const Rect& area, int colorIndex, int side)
{
    if (side <= 0) {
        return;
    }
    const ColorRef ink = SymbolInk(colorIndex);
    const int left = area.left + (area.Width() - side) / 2;
    const int top = area.top + (area.Height() - side) / 2;
    for (int y = 0; y < side; ++y) {
        int x = 0;
        while (x < side) {
            if (!SymbolCovers(colorIndex, side, x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < side && SymbolCovers(colorIndex, side, x, y)) {
                ++x;
            }
            dc.FillSolidRect(left + start, top + y, x - start, 1, ink);
        }
    }
}
