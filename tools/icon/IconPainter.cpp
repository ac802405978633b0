#include "tools/icon/IconPainter.h"

#include "platform/DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr ColorRef BLACK = Rgb(0, 0, 0);
constexpr ColorRef WHITE = Rgb(255, 255, 255);
constexpr ColorRef FACE = Rgb(192, 192, 192);
constexpr ColorRef SHADOW = Rgb(128, 128, 128);

struct IconPiece
{
    int row;
    int col;
    ColorRef lit;
    ColorRef dark;
};

// The pieces of the window's icon, in the game's piece colours and their halves.
constexpr IconPiece ICON_PIECES[] = {
    {0, 1, Rgb(255, 255, 0), Rgb(128, 128, 0)}, {1, 0, Rgb(255, 0, 0), Rgb(128, 0, 0)},
    {1, 1, Rgb(255, 0, 0), Rgb(128, 0, 0)},     {1, 2, Rgb(255, 0, 0), Rgb(128, 0, 0)},
    {2, 0, Rgb(0, 0, 255), Rgb(0, 0, 128)},     {2, 2, Rgb(0, 255, 0), Rgb(0, 128, 0)},
};

// A frame of the given width inside rect, drawn as nested one-pixel 3D frames.
void Frame(DeviceContext& dc, Rect rect, int width, ColorRef topLeft, ColorRef bottomRight)
{
    for (int i = 0; i < width; ++i) {
        dc.Draw3dRect(rect, topLeft, bottomRight);
        InflateRect(rect, -1, -1);
    }
}

void Disc(DeviceContext& dc, const Rect& box, ColorRef color)
{
    Brush brush(color);
    Pen pen(PS_SOLID, 1, color);
    dc.SelectObject(&brush);
    dc.SelectObject(&pen);
    dc.Ellipse(box);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SelectStockObject(BLACK_PEN);
}

} // namespace

void IconPainter::Draw(DeviceContext& dc, int size)
{
    // The 32-pixel design scaled by whole pixels: a ring, then three cells of equal pitch, each a
    // sunken frame, a gap and a piece filling the frame's inside.
    const bool detailed = size >= 32;
    const int line = std::max(1, size / 32);
    const int ring = line;
    const int frame = detailed ? line : 0;
    const int gap = line;
    const int pitch = (size - 2 * ring + (detailed ? 0 : gap)) / 3;
    const int origin = ring + (size - 2 * ring + (detailed ? 0 : gap) - 3 * pitch) / 2;

    dc.FillSolidRect(0, 0, size, size, FACE);
    Rect whole{0, 0, size, size};
    if (detailed) {
        Frame(dc, whole, ring, WHITE, BLACK);
    } else {
        Frame(dc, whole, ring, SHADOW, WHITE);
    }
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            Rect cell{origin + col * pitch, origin + row * pitch, origin + (col + 1) * pitch - gap,
                      origin + (row + 1) * pitch - gap};
            Frame(dc, cell, frame, BLACK, WHITE);
        }
    }
    for (const IconPiece& piece : ICON_PIECES) {
        Rect box{origin + piece.col * pitch, origin + piece.row * pitch,
                 origin + (piece.col + 1) * pitch - gap, origin + (piece.row + 1) * pitch - gap};
        InflateRect(box, -frame, -frame);
        DrawPiece(dc, box, detailed ? line : 0, piece.lit, piece.dark);
    }
}

void IconPainter::DrawPiece(DeviceContext& dc, const Rect& box, int outline, ColorRef lit,
                            ColorRef dark)
{
    const int diameter = box.Width();
    const int shift = std::max(1, static_cast<int>(std::lround(diameter / 7.0)));
    if (outline > 0) {
        Disc(dc, box, BLACK);
    }
    Rect body = box;
    InflateRect(body, -outline, -outline);
    Disc(dc, body, dark);
    // The lit part is the body moved towards the light, kept inside the body, which leaves the
    // shadow as a crescent.
    Rect light = body;
    OffsetRect(light, -shift, -shift);
    DiscWithin(dc, light, body, dark, lit);
    const int glintAt = outline + std::max(1, static_cast<int>(std::lround(diameter * 0.2)));
    Rect glint{box.left + glintAt, box.top + glintAt, box.left + glintAt + shift,
               box.top + glintAt + shift};
    if (shift < 3) {
        dc.FillSolidRect(glint, WHITE);
    } else {
        Disc(dc, glint, WHITE);
    }
}

void IconPainter::DiscWithin(DeviceContext& dc, const Rect& disc, const Rect& box, ColorRef inside,
                             ColorRef color)
{
    // The clip region holds a limited number of rectangles, so the rows go in bands, one
    // rectangle per run of `inside` pixels.
    Rect rects[DeviceContext::MAX_CLIP_RECTS];
    for (int top = box.top; top < box.bottom; top += DeviceContext::MAX_CLIP_RECTS) {
        dc.ClearClip();
        int count = 0;
        for (int y = top; y < std::min(box.bottom, top + DeviceContext::MAX_CLIP_RECTS); ++y) {
            int left = box.right;
            int right = box.left;
            for (int x = box.left; x < box.right; ++x) {
                if (dc.GetPixel(x, y) == inside) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
            }
            if (left < right) {
                rects[count++] = Rect{left, y, right, y + 1};
            }
        }
        if (count > 0) {
            dc.SetClipRects(rects, count);
            Disc(dc, disc, color);
        }
    }
    dc.ClearClip();
}
