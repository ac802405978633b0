#include "platform/DeviceContext.h"

#include "platform/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

__extension__ typedef unsigned __int128 Wide;

// The stock objects live as long as the program; contexts only point at them.
Brush* StockBrush(int object)
{
    static Brush white(Rgb(255, 255, 255));
    static Brush black(Rgb(0, 0, 0));
    static Brush hollow;
    switch (object) {
    case WHITE_BRUSH:
        return &white;
    case BLACK_BRUSH:
        return &black;
    case NULL_BRUSH:
        return &hollow;
    default:
        return nullptr;
    }
}

Pen* StockPen(int object)
{
    static Pen white(PS_SOLID, 1, Rgb(255, 255, 255));
    static Pen black(PS_SOLID, 1, Rgb(0, 0, 0));
    static Pen null(PS_NULL, 1, 0);
    switch (object) {
    case WHITE_PEN:
        return &white;
    case BLACK_PEN:
        return &black;
    case NULL_PEN:
        return &null;
    default:
        return nullptr;
    }
}

int Min(int a, int b)
{
    return a < b ? a : b;
}

int Max(int a, int b)
{
    return a > b ? a : b;
}

// Clamps a 64-bit coordinate into int range, keeping far-away edges far away.
int Clamp(std::int64_t value)
{
    const std::int64_t limit = 1LL << 30;
    if (value < -limit) {
        return static_cast<int>(-limit);
    }
    if (value > limit) {
        return static_cast<int>(limit);
    }
    return static_cast<int>(value);
}

std::int64_t Isqrt(std::int64_t value)
{
    std::int64_t root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(value)));
    while (root > 0 && root * root > value) {
        --root;
    }
    while ((root + 1) * (root + 1) <= value) {
        ++root;
    }
    return root;
}

// The pixels of row y inside the ellipse inscribed in box, as left <= x <= right. The centre of
// pixel x lies inside when |2x + 1 - 2 left - w| <= m, m the largest integer with
// m^2 h^2 <= w^2 (h^2 - v^2), v = 2y + 1 - 2 top - h.
bool EllipseRow(const Rect& box, int y, int& left, int& right)
{
    if (y < box.top || y >= box.bottom) {
        return false;
    }
    const std::int64_t w = static_cast<std::int64_t>(box.right) - box.left;
    const std::int64_t h = static_cast<std::int64_t>(box.bottom) - box.top;
    const std::int64_t v = 2 * (static_cast<std::int64_t>(y) - box.top) + 1 - h;
    // Boxes up to 2^15 pixels on a side stay within 64 bits; only larger ones need 128.
    std::int64_t bound = 0;
    if (w <= (1 << 15) && h <= (1 << 15)) {
        bound = w * w * (h * h - v * v) / (h * h);
    } else {
        const Wide area = static_cast<Wide>(w * w) * static_cast<Wide>(h * h - v * v);
        bound = static_cast<std::int64_t>(area / static_cast<Wide>(h * h));
    }
    const std::int64_t m = Isqrt(bound);
    const std::int64_t low = (w - m) / 2;      // ceil((w - 1 - m) / 2), w - 1 - m >= -1
    const std::int64_t high = (w - 1 + m) / 2; // floor, w - 1 + m >= 0
    if (low > high) {
        return false;
    }
    left = static_cast<int>(box.left + low);
    right = static_cast<int>(box.left + high);
    return true;
}

} // namespace

DeviceContext::DeviceContext()
    : target(nullptr), bitmap(nullptr), brush(StockBrush(WHITE_BRUSH)),
      pen(StockPen(BLACK_PEN)), position{0, 0}, clip(), dirty(nullptr), memoryContext(true)
{
}

DeviceContext::DeviceContext(PixelImage* image) : DeviceContext()
{
    target = image;
    memoryContext = false;
}

DeviceContext::~DeviceContext() = default;

bool DeviceContext::CreateCompatibleDC(DeviceContext* /*other*/)
{
    target = nullptr;
    bitmap = nullptr;
    memoryContext = true;
    return true;
}

Bitmap* DeviceContext::SelectObject(Bitmap* newBitmap)
{
    if (!memoryContext) {
        return nullptr;
    }
    Bitmap* previous = bitmap;
    bitmap = newBitmap;
    target = newBitmap != nullptr ? &newBitmap->image : nullptr;
    return previous;
}

Brush* DeviceContext::SelectObject(Brush* newBrush)
{
    if (newBrush == nullptr) {
        return nullptr;
    }
    Brush* previous = brush;
    brush = newBrush;
    return previous;
}

Pen* DeviceContext::SelectObject(Pen* newPen)
{
    if (newPen == nullptr) {
        return nullptr;
    }
    Pen* previous = pen;
    pen = newPen;
    return previous;
}

void DeviceContext::SelectStockObject(int object)
{
    if (Brush* stock = StockBrush(object)) {
        brush = stock;
    } else if (Pen* stockPen = StockPen(object)) {
        pen = stockPen;
    }
}

void DeviceContext::FillSolidRect(const Rect& rect, ColorRef color)
{
    AddDirty(rect);
    FillClipped(rect, color);
}

void DeviceContext::FillSolidRect(int x, int y, int width, int height, ColorRef color)
{
    FillSolidRect(Rect{x, y, Clamp(static_cast<std::int64_t>(x) + width),
                       Clamp(static_cast<std::int64_t>(y) + height)},
                  color);
}

void DeviceContext::Draw3dRect(const Rect& rect, ColorRef topLeft, ColorRef bottomRight)
{
    if (rect.IsEmpty()) {
        return;
    }
    AddDirty(rect);
    // The bottom-right edges are drawn last, so they own the top-right and bottom-left corners.
    FillClipped(Rect{rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillClipped(Rect{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillClipped(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillClipped(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
}

void DeviceContext::Ellipse(const Rect& box)
{
    if (box.IsEmpty() || static_cast<std::int64_t>(box.right) - box.left > MAX_EXTENT ||
        static_cast<std::int64_t>(box.bottom) - box.top > MAX_EXTENT) {
        return;
    }
    AddDirty(box);
    const Rect area = IntersectRect(box, DrawableBounds());
    if (area.IsEmpty()) {
        return;
    }
    const bool fill = !brush->hollow;
    const bool outline = pen->style != PS_NULL;

    // A pixel of row y is interior when its four neighbours are inside too: within the row's
    // span minus its ends, and within the spans of the rows above and below.
    int upLeft = 0;
    int upRight = -1;
    bool up = EllipseRow(box, area.top - 1, upLeft, upRight);
    int rowLeft = 0;
    int rowRight = -1;
    bool row = EllipseRow(box, area.top, rowLeft, rowRight);
    for (int y = area.top; y < area.bottom; ++y) {
        int downLeft = 0;
        int downRight = -1;
        const bool down = EllipseRow(box, y + 1, downLeft, downRight);
        if (row) {
            int innerLeft = rowLeft + 1;
            int innerRight = rowRight - 1;
            if (up && down) {
                innerLeft = Max(innerLeft, Max(upLeft, downLeft));
                innerRight = Min(innerRight, Min(upRight, downRight));
            } else {
                innerRight = innerLeft - 1;
            }
            if (innerLeft > innerRight) {
                if (outline) {
                    FillRow(y, rowLeft, rowRight + 1, pen->color);
                }
            } else {
                if (outline) {
                    FillRow(y, rowLeft, innerLeft, pen->color);
                    FillRow(y, innerRight + 1, rowRight + 1, pen->color);
                }
                if (fill) {
                    FillRow(y, innerLeft, innerRight + 1, brush->color);
                }
            }
        }
        up = row;
        upLeft = rowLeft;
        upRight = rowRight;
        row = down;
        rowLeft = downLeft;
        rowRight = downRight;
    }
}

void DeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    Ellipse(Rect{left, top, right, bottom});
}

Point DeviceContext::MoveTo(int x, int y)
{
    Point previous = position;
    position = Point{x, y};
    return previous;
}

void DeviceContext::LineTo(int x, int y)
{
    const Point from = position;
    position = Point{x, y};
    if (pen->style == PS_NULL) {
        return;
    }
    const int width = pen->width;
    const int before = width / 2;
    const Rect bounds{Clamp(static_cast<std::int64_t>(Min(from.x, x)) - before),
                      Clamp(static_cast<std::int64_t>(Min(from.y, y)) - before),
                      Clamp(static_cast<std::int64_t>(Max(from.x, x)) - before + width),
                      Clamp(static_cast<std::int64_t>(Max(from.y, y)) - before + width)};
    AddDirty(bounds);
    if (IntersectRect(bounds, DrawableBounds()).IsEmpty()) {
        return;
    }
    // A horizontal or vertical line is the union of its squares: one rectangle.
    if (from.x == x || from.y == y) {
        FillClipped(bounds, pen->color);
        return;
    }
    std::int64_t px = from.x;
    std::int64_t py = from.y;
    const std::int64_t dx =
        x > from.x ? static_cast<std::int64_t>(x) - from.x : static_cast<std::int64_t>(from.x) - x;
    const std::int64_t dy = -(y > from.y ? static_cast<std::int64_t>(y) - from.y
                                         : static_cast<std::int64_t>(from.y) - y);
    const int stepX = x > from.x ? 1 : -1;
    const int stepY = y > from.y ? 1 : -1;
    std::int64_t error = dx + dy;
    for (;;) {
        const int left = static_cast<int>(px) - before;
        const int top = static_cast<int>(py) - before;
        FillClipped(Rect{left, top, left + width, top + width}, pen->color);
        if (px == x && py == y) {
            break;
        }
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += stepX;
        }
        if (twice <= dx) {
            error += dx;
            py += stepY;
        }
    }
}

bool DeviceContext::BitBlt(int x, int y, int width, int height, DeviceContext* source, int sourceX,
                           int sourceY, unsigned rop)
{
    if (target == nullptr || source == nullptr || source->target == nullptr || rop != SRCCOPY ||
        width <= 0 || height <= 0) {
        return false;
    }
    const PixelImage& from = *source->target;
    const Rect block{x, y, Clamp(static_cast<std::int64_t>(x) + width),
                     Clamp(static_cast<std::int64_t>(y) + height)};
    AddDirty(block);
    // Only the part of the block whose source pixels exist is copied.
    const Rect available{Clamp(static_cast<std::int64_t>(x) - sourceX),
                         Clamp(static_cast<std::int64_t>(y) - sourceY),
                         Clamp(static_cast<std::int64_t>(x) - sourceX + from.width),
                         Clamp(static_cast<std::int64_t>(y) - sourceY + from.height)};
    const Rect area = IntersectRect(IntersectRect(block, available), DrawableBounds());
    if (area.IsEmpty()) {
        return true;
    }
    const std::int64_t shiftX = static_cast<std::int64_t>(sourceX) - x;
    const std::int64_t shiftY = static_cast<std::int64_t>(sourceY) - y;
    // Within one image, walk away from the source so that no pixel is read after it was written.
    const bool sameImage = &from == target;
    const bool upwards = sameImage && shiftY < 0;
    const bool leftwards = sameImage && shiftY == 0 && shiftX < 0;
    PixelSpan spans[MAX_CLIP_RECTS];
    for (int n = 0; n < area.Height(); ++n) {
        const int row = upwards ? area.bottom - 1 - n : area.top + n;
        const int count = RowSpans(row, area.left, area.right, spans);
        const ColorRef* sourceRow =
            from.pixels.data() + static_cast<std::size_t>(row + shiftY) * from.width;
        ColorRef* targetRow = target->pixels.data() + static_cast<std::size_t>(row) * target->width;
        for (int k = 0; k < count; ++k) {
            const PixelSpan& span = spans[leftwards ? count - 1 - k : k];
            for (int i = 0; i < span.right - span.left; ++i) {
                const int column = leftwards ? span.right - 1 - i : span.left + i;
                const ColorRef pixel = sourceRow[column + shiftX];
                if (pixel != Bitmap::TRANSPARENT_PIXEL) {
                    targetRow[column] = pixel;
                }
            }
        }
    }
    return true;
}

bool DeviceContext::StretchBlt(int x, int y, int width, int height, DeviceContext* source,
                               int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                               unsigned rop)
{
    if (target == nullptr || source == nullptr || source->target == nullptr || rop != SRCCOPY ||
        width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
        return false;
    }
    const PixelImage& from = *source->target;
    const Rect block{x, y, Clamp(static_cast<std::int64_t>(x) + width),
                     Clamp(static_cast<std::int64_t>(y) + height)};
    AddDirty(block);
    const Rect area = IntersectRect(block, DrawableBounds());
    if (area.IsEmpty()) {
        return true;
    }
    PixelSpan spans[MAX_CLIP_RECTS];
    for (int row = area.top; row < area.bottom; ++row) {
        const std::int64_t sourceRow =
            sourceY + (static_cast<std::int64_t>(row) - y) * sourceHeight / height;
        if (sourceRow < 0 || sourceRow >= from.height) {
            continue;
        }
        const ColorRef* sourcePixels =
            from.pixels.data() + static_cast<std::size_t>(sourceRow) * from.width;
        ColorRef* targetRow = target->pixels.data() + static_cast<std::size_t>(row) * target->width;
        const int count = RowSpans(row, area.left, area.right, spans);
        for (int k = 0; k < count; ++k) {
            for (int column = spans[k].left; column < spans[k].right; ++column) {
                const std::int64_t sourceColumn =
                    sourceX + (static_cast<std::int64_t>(column) - x) * sourceWidth / width;
                if (sourceColumn < 0 || sourceColumn >= from.width) {
                    continue;
                }
                const ColorRef pixel = sourcePixels[sourceColumn];
                if (pixel != Bitmap::TRANSPARENT_PIXEL) {
                    targetRow[column] = pixel;
                }
            }
        }
    }
    return true;
}

ColorRef DeviceContext::GetPixel(int x, int y) const
{
    if (target == nullptr || !target->Contains(x, y)) {
        return CLR_INVALID;
    }
    return target->GetPixel(x, y);
}

void DeviceContext::SetClipRects(const Rect* rects, int count)
{
    clip.Set(rects, count);
}

void DeviceContext::ClearClip()
{
    clip.Clear();
}

void DeviceContext::SetDirtyTracker(Rect* newDirty)
{
    dirty = newDirty;
}

PixelImage* DeviceContext::GetTarget() const
{
    return target;
}

void DeviceContext::SetTarget(PixelImage* image)
{
    target = image;
    bitmap = nullptr;
    memoryContext = false;
}

Rect DeviceContext::DrawableBounds() const
{
    if (target == nullptr) {
        return Rect{0, 0, 0, 0};
    }
    const Rect whole{0, 0, target->width, target->height};
    return clip.Limit(whole);
}

// The drawable runs of row y between left and right, within the target.
int DeviceContext::RowSpans(int y, int left, int right, PixelSpan* spans) const
{
    if (target == nullptr || y < 0 || y >= target->height) {
        return 0;
    }
    return clip.RowSpans(y, Max(left, 0), Min(right, target->width), spans);
}

void DeviceContext::FillRow(int y, int left, int right, ColorRef color)
{
    PixelSpan spans[MAX_CLIP_RECTS];
    const int count = RowSpans(y, left, right, spans);
    if (count == 0) {
        return;
    }
    ColorRef* row = target->pixels.data() + static_cast<std::size_t>(y) * target->width;
    for (int k = 0; k < count; ++k) {
        std::fill(row + spans[k].left, row + spans[k].right, color);
    }
}

void DeviceContext::FillClipped(const Rect& rect, ColorRef color)
{
    const Rect area = IntersectRect(rect, DrawableBounds());
    for (int y = area.top; y < area.bottom; ++y) {
        FillRow(y, area.left, area.right, color);
    }
}

void DeviceContext::AddDirty(const Rect& rect)
{
    if (dirty != nullptr) {
        *dirty = UnionRect(*dirty, IntersectRect(rect, DrawableBounds()));
    }
}
