#pragma once

#include "platform/Geometry.h"

// A run of pixels of one row, left <= x < right.
struct PixelSpan
{
    int left;
    int right;
};

// Where a device context may draw: anywhere (no region), or inside a list of rectangles that may
// overlap. Rows are handed out as sorted runs that do not overlap, so that an operation writes
// each pixel once however the rectangles overlap.
class ClipRegion
{
public:
    static constexpr int MAX_RECTS = 32;

    ClipRegion() = default;
    virtual ~ClipRegion() = default;

    // A longer list than MAX_RECTS is reduced to the bounding box of its rectangles; an empty
    // list leaves nothing drawable.
    void Set(const Rect* list, int listCount);
    void Clear();

    // The drawable part of whole.
    Rect Limit(const Rect& whole) const { return count < 0 ? whole : IntersectRect(whole, bounds); }
    // The drawable runs of row y between left and right, at most MAX_RECTS; returns their count.
    int RowSpans(int y, int left, int right, PixelSpan* spans) const;
    // No region or a single rectangle: the drawable part of any rectangle is Limit of it.
    bool IsRectangular() const { return count <= 1; }
    // The first row below y whose runs may differ from row y's: the next top or bottom edge of a
    // rectangle, so rows in between can share one RowSpans.
    int NextEdge(int y) const;

    Rect rects[MAX_RECTS] = {};
    int count = -1; // -1: no region, everything is drawable
    Rect bounds{0, 0, 0, 0};
};
