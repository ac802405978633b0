#pragma once

#include "platform/ClipRegion.h"
#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/PixelImage.h"

// DeviceContext is the software raster that every drawing of the game goes through. It draws into
// a PixelImage (a window's back buffer, or a bitmap selected into a memory context) and follows
// these pixel rules exactly, so that tests can assert single pixels:
//
// - FillSolidRect(rect) sets the pixels with left <= x < right and top <= y < bottom.
// - Draw3dRect(rect, topLeft, bottomRight) is a one-pixel frame inside rect. With w and h its
//   width and height: topLeft covers the top row from left to right - 2 and the left column from
//   top to bottom - 2; bottomRight covers the right column (x = right - 1) from top to bottom - 1
//   and the bottom row (y = bottom - 1) from left to right - 1. So the top-right and bottom-left
//   corner pixels are in the bottom-right colour.
// - Ellipse(box) covers the pixels of the box whose centres (x + 0.5, y + 0.5) lie inside or on
//   the ellipse inscribed in the box: with w and h the box's width and height,
//   (2x + 1 - 2 left - w)^2 h^2 + (2y + 1 - 2 top - h)^2 w^2 <= w^2 h^2. Of those pixels, the ones
//   with a 4-neighbour outside that set form the outline, drawn in the selected pen's colour
//   (one pixel wide whatever the pen's width; no outline with a null pen); the others are filled
//   with the selected brush (nothing with a null brush). An empty box draws nothing; a 2 by 2 box
//   is 4 outline pixels.
// - LineTo(x, y) draws from the current position to (x, y), both ends included, along the
//   Bresenham line; at each point p the pen covers a square of w by w pixels (w its width) whose
//   top-left pixel is (p.x - w / 2, p.y - w / 2). A 2-pixel pen at p covers p.x - 1 .. p.x and
//   p.y - 1 .. p.y. The current position becomes (x, y). A null pen draws nothing.
// - BitBlt copies a width by height block from the source context's image, starting at the
//   source point, to the destination point; source pixels outside the source image are not
//   copied. StretchBlt maps destination pixel (i, j) of the target block to the source pixel
//   (sx + i * sw / width, sy + j * sh / height), integer division (nearest neighbour). Pixels
//   of the source equal to Bitmap::TRANSPARENT_PIXEL leave the target pixel as it was. A BitBlt
//   within one image copies as if through a buffer, whatever the overlap.
// - Every operation touches only pixels inside the target image and, when a clip region is set,
//   inside one of its rectangles. A context without a target (a memory context with no bitmap
//   selected) draws nothing. Boxes wider or higher than MAX_EXTENT pixels draw nothing.
// - Each operation adds the bounding box of what it may have changed to the dirty rectangle,
//   when the context has one (client contexts use this to present their drawing at once).

constexpr unsigned SRCCOPY = 0x00CC0020;

enum PenStyle
{
    PS_SOLID = 0,
    PS_NULL = 5,
};

enum StockObject
{
    WHITE_BRUSH = 0,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
};

class Brush
{
public:
    Brush() = default;
    explicit Brush(ColorRef color) { CreateSolidBrush(color); }
    virtual ~Brush() = default;

    bool CreateSolidBrush(ColorRef newColor)
    {
        color = newColor;
        hollow = false;
        return true;
    }

    ColorRef color = 0;
    bool hollow = true;
};

class Pen
{
public:
    Pen() = default;
    Pen(int style, int width, ColorRef color) { CreatePen(style, width, color); }
    virtual ~Pen() = default;

    bool CreatePen(int newStyle, int newWidth, ColorRef newColor)
    {
        style = newStyle;
        width = newWidth < 1 ? 1 : newWidth;
        color = newColor;
        return true;
    }

    int style = PS_NULL;
    int width = 1;
    ColorRef color = 0;
};

class Bitmap;

class DeviceContext
{
public:
    // A context with no target: a memory context until a bitmap is selected into it.
    DeviceContext();
    explicit DeviceContext(PixelImage* target);
    virtual ~DeviceContext();

    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // A memory context: no target until a bitmap is selected. The other context is not used
    // beyond that; it exists for the shape of the calls.
    bool CreateCompatibleDC(DeviceContext* other);

    // Selecting returns what was selected before; the stock white brush and the stock black pen
    // are selected in a new context.
    Bitmap* SelectObject(Bitmap* bitmap);
    Brush* SelectObject(Brush* brush);
    Pen* SelectObject(Pen* pen);
    void SelectStockObject(int object);

    void FillSolidRect(const Rect& rect, ColorRef color);
    void FillSolidRect(int x, int y, int width, int height, ColorRef color);
    void Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight);
    void Ellipse(const Rect& box);
    void Ellipse(int left, int top, int right, int bottom);
    Point MoveTo(int x, int y);
    void LineTo(int x, int y);
    bool BitBlt(int x, int y, int width, int height, DeviceContext* source, int sourceX,
                int sourceY, unsigned rop);
    bool StretchBlt(int x, int y, int width, int height, DeviceContext* source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, unsigned rop);

    // The pixel of the target; CLR_INVALID outside it or without a target.
    ColorRef GetPixel(int x, int y) const;

    // The clip region: a list of at most MAX_CLIP_RECTS rectangles (a longer list is reduced to
    // the bounding box of its rectangles); an empty list leaves nothing drawable. Without a
    // region, the whole target is drawable.
    static constexpr int MAX_CLIP_RECTS = ClipRegion::MAX_RECTS;
    static constexpr int MAX_EXTENT = 1 << 24;
    void SetClipRects(const Rect* rects, int count);
    void ClearClip();

    // Bounding boxes of what is drawn are added to *dirty from now on; nullptr stops it.
    void SetDirtyTracker(Rect* dirty);

    PixelImage* GetTarget() const;

protected:
    void SetTarget(PixelImage* image);

private:
    Rect DrawableBounds() const;
    int RowSpans(int y, int left, int right, PixelSpan* spans) const;
    void FillClipped(const Rect& rect, ColorRef color);
    void FillRow(int y, int left, int right, ColorRef color);
    void AddDirty(const Rect& rect);

    PixelImage* target;
    Bitmap* bitmap;
    Brush* brush;
    Pen* pen;
    Point position;
    ClipRegion clip;
    Rect* dirty;
    // Only a memory context takes a bitmap as its target.
    bool memoryContext;
};
