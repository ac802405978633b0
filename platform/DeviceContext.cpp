#include "platform/DeviceContext.h"

#include "platform/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

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

// Sets pixels[0 .. count - 1] to color with 16-byte stores; the last store may overlap the one
// before it, so no run needs a pixel-by-pixel tail. Runs here are short (a cell is 30 pixels).
[[gnu::always_inline]] inline void FillSpan(ColorRef* pixels, int count, ColorRef color)
{
    if (count >= 4) {
        const ColorRef quad[4] = {color, color, color, color};
        int i = 0;
        for (; i + 8 <= count; i += 8) {
            std::memcpy(pixels + i, quad, sizeof quad);
            std::memcpy(pixels + i + 4, quad, sizeof quad);
        }
        if (i + 4 <= count) {
            std::memcpy(pixels + i, quad, sizeof quad);
        }
        std::memcpy(pixels + count - 4, quad, sizeof quad);
    } else if (count >= 2) {
        const ColorRef pair[2] = {color, color};
        std::memcpy(pixels, pair, sizeof pair);
        std::memcpy(pixels + count - 2, pair, sizeof pair);
    } else if (count == 1) {
        pixels[0] = color;
    }
}

// One row of an ellipse: its pixels left <= x <= right, of which innerLeft <= x <= innerRight are
// interior (none when innerLeft > innerRight). A pixel is interior when its four neighbours are
// inside too: within the row's run minus its ends, and within the runs of the rows above and below.
struct EllipseRun
{
    int left;
    int right;
    int innerLeft;
    int innerRight;
};

bool ComputeRun(const Rect& box, int y, EllipseRun& run)
{
    if (!EllipseRow(box, y, run.left, run.right)) {
        return false;
    }
    run.innerLeft = run.left + 1;
    run.innerRight = run.left;
    int upLeft = 0;
    int upRight = 0;
    int downLeft = 0;
    int downRight = 0;
    if (EllipseRow(box, y - 1, upLeft, upRight) && EllipseRow(box, y + 1, downLeft, downRight)) {
        run.innerLeft = Max(run.left + 1, Max(upLeft, downLeft));
        run.innerRight = Min(run.right - 1, Min(upRight, downRight));
    }
    return true;
}

// The row runs of the boxes drawn last, by size: pieces are drawn in a handful of sizes over and
// over, and each row's run costs square roots and divisions. Each thread keeps its own cache.
struct EllipseShape
{
    static constexpr int MAX_WIDTH = 4096;
    static constexpr int MAX_HEIGHT = 128;
    int width;
    int height;
    // Row r's runs relative to the box's left edge; left > right for a row with no pixels.
    std::int16_t left[MAX_HEIGHT];
    std::int16_t right[MAX_HEIGHT];
    std::int16_t innerLeft[MAX_HEIGHT];
    std::int16_t innerRight[MAX_HEIGHT];
};

struct EllipseCache
{
    static constexpr int SIZE = 8;
    EllipseShape shapes[SIZE];
    int next;
};

thread_local EllipseCache ellipseCache = {};

const EllipseShape* CachedShape(const Rect& box)
{
    const int width = box.Width();
    const int height = box.Height();
    if (width > EllipseShape::MAX_WIDTH || height > EllipseShape::MAX_HEIGHT) {
        return nullptr;
    }
    EllipseCache& cache = ellipseCache;
    for (const EllipseShape& shape : cache.shapes) {
        if (shape.width == width && shape.height == height) {
            return &shape;
        }
    }
    EllipseShape& shape = cache.shapes[cache.next];
    cache.next = (cache.next + 1) % EllipseCache::SIZE;
    shape.width = width;
    shape.height = height;
    const Rect origin{0, 0, width, height};
    for (int r = 0; r < height; ++r) {
        EllipseRun run{0, -1, 0, -1};
        ComputeRun(origin, r, run);
        shape.left[r] = static_cast<std::int16_t>(run.left);
        shape.right[r] = static_cast<std::int16_t>(run.right);
        shape.innerLeft[r] = static_cast<std::int16_t>(run.innerLeft);
        shape.innerRight[r] = static_cast<std::int16_t>(run.innerRight);
    }
    return &shape;
}

// The runs of one box's rows, from the cache when the box is small enough.
class EllipseRows
{
public:
    explicit EllipseRows(const Rect& box) : box(box), shape(CachedShape(box)) {}

    bool Row(int y, EllipseRun& run) const
    {
        if (shape == nullptr) {
            return ComputeRun(box, y, run);
        }
        const int r = y - box.top;
        if (shape->left[r] > shape->right[r]) {
            return false;
        }
        run = EllipseRun{box.left + shape->left[r], box.left + shape->right[r],
                         box.left + shape->innerLeft[r], box.left + shape->innerRight[r]};
        return true;
    }

private:
    const Rect& box;
    const EllipseShape* shape;
};

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
    const EllipseRows rows(box);
    const bool rectangular = clip.IsRectangular();
    ColorRef* pixels = target->pixels.data() + static_cast<std::size_t>(area.top) * target->width;
    // Every row of a box that fits the drawable area across needs no clipping.
    const bool across = rectangular && area.left == box.left && area.right == box.right;
    // Writes left <= x < right of row y within the drawable area.
    auto run = [&](int y, int left, int right, ColorRef color) {
        if (across) {
            FillSpan(pixels + left, right - left, color);
            return;
        }
        if (!rectangular) {
            FillRow(y, left, right, color);
            return;
        }
        left = Max(left, area.left);
        right = Min(right, area.right);
        if (left < right) {
            FillSpan(pixels + left, right - left, color);
        }
    };

    for (int y = area.top; y < area.bottom; ++y, pixels += target->width) {
        EllipseRun r{0, -1, 0, -1};
        if (!rows.Row(y, r)) {
            continue;
        }
        if (r.innerLeft > r.innerRight) {
            if (outline) {
                run(y, r.left, r.right + 1, pen->color);
            }
            continue;
        }
        if (outline) {
            run(y, r.left, r.innerLeft, pen->color);
            run(y, r.innerRight + 1, r.right + 1, pen->color);
        }
        if (fill) {
            run(y, r.innerLeft, r.innerRight + 1, brush->color);
        }
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
    const std::int64_t wholeStep = sourceWidth / width;
    const std::int64_t partStep = sourceWidth % width;
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
            // sourceX + (column - x) * sourceWidth / width, stepped without a division per pixel.
            const std::int64_t start = (static_cast<std::int64_t>(spans[k].left) - x) * sourceWidth;
            std::int64_t sourceColumn = sourceX + start / width;
            std::int64_t remainder = start % width;
            for (int column = spans[k].left; column < spans[k].right; ++column) {
                if (sourceColumn >= 0 && sourceColumn < from.width) {
                    const ColorRef pixel = sourcePixels[sourceColumn];
                    if (pixel != Bitmap::TRANSPARENT_PIXEL) {
                        targetRow[column] = pixel;
                    }
                }
                sourceColumn += wholeStep;
                remainder += partStep;
                if (remainder >= width) {
                    remainder -= width;
                    ++sourceColumn;
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
        FillSpan(row + spans[k].left, spans[k].right - spans[k].left, color);
    }
}

void DeviceContext::FillClipped(const Rect& rect, ColorRef color)
{
    const Rect area = IntersectRect(rect, DrawableBounds());
    if (area.IsEmpty()) {
        return;
    }
    const int stride = target->width;
    ColorRef* row = target->pixels.data() + static_cast<std::size_t>(area.top) * stride;
    if (clip.IsRectangular()) {
        if (area.Width() == 1) {
            // A one-pixel column, as the edges of frames are.
            for (int y = area.top; y < area.bottom; ++y, row += stride) {
                row[area.left] = color;
            }
            return;
        }
        for (int y = area.top; y < area.bottom; ++y, row += stride) {
            FillSpan(row + area.left, area.right - area.left, color);
        }
        return;
    }
    // Rows between two edges of the region's rectangles share their runs.
    PixelSpan spans[MAX_CLIP_RECTS];
    for (int y = area.top; y < area.bottom;) {
        const int count = RowSpans(y, area.left, area.right, spans);
        const int end = Min(area.bottom, clip.NextEdge(y));
        for (; y < end; ++y, row += stride) {
            for (int k = 0; k < count; ++k) {
                FillSpan(row + spans[k].left, spans[k].right - spans[k].left, color);
            }
        }
    }
}

void DeviceContext::AddDirty(const Rect& rect)
{
    if (dirty != nullptr) {
        *dirty = UnionRect(*dirty, IntersectRect(rect, DrawableBounds()));
    }
}
