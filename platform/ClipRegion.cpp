#include "platform/ClipRegion.h"

#include <climits>

void ClipRegion::Set(const Rect* list, int listCount)
{
    count = 0;
    bounds = Rect{0, 0, 0, 0};
    if (list == nullptr || listCount <= 0) {
        return;
    }
    for (int i = 0; i < listCount; ++i) {
        bounds = UnionRect(bounds, list[i]);
    }
    if (listCount > MAX_RECTS) {
        if (!bounds.IsEmpty()) {
            rects[count++] = bounds;
        }
        return;
    }
    for (int i = 0; i < listCount; ++i) {
        if (!list[i].IsEmpty()) {
            rects[count++] = list[i];
        }
    }
}

void ClipRegion::Clear()
{
    count = -1;
    bounds = Rect{0, 0, 0, 0};
}

int ClipRegion::RowSpans(int y, int left, int right, PixelSpan* spans) const
{
    if (left >= right) {
        return 0;
    }
    if (count < 0) {
        spans[0] = PixelSpan{left, right};
        return 1;
    }
    // Insertion-sort the row's pieces of the rectangles by their left end, then merge.
    int found = 0;
    for (int i = 0; i < count; ++i) {
        const Rect& clip = rects[i];
        if (y < clip.top || y >= clip.bottom) {
            continue;
        }
        const PixelSpan span{left > clip.left ? left : clip.left,
                             right < clip.right ? right : clip.right};
        if (span.left >= span.right) {
            continue;
        }
        int at = found++;
        while (at > 0 && spans[at - 1].left > span.left) {
            spans[at] = spans[at - 1];
            --at;
        }
        spans[at] = span;
    }
    int merged = 0;
    for (int i = 0; i < found; ++i) {
        if (merged > 0 && spans[i].left <= spans[merged - 1].right) {
            if (spans[i].right > spans[merged - 1].right) {
                spans[merged - 1].right = spans[i].right;
            }
        } else {
            spans[merged++] = spans[i];
        }
    }
    return merged;
}

int ClipRegion::NextEdge(int y) const
{
    int next = INT_MAX;
    for (int i = 0; i < count; ++i) {
        if (rects[i].top > y && rects[i].top < next) {
            next = rects[i].top;
        }
        if (rects[i].bottom > y && rects[i].bottom < next) {
            next = rects[i].bottom;
        }
    }
    return next;
}
