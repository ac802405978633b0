#pragma once

// Client coordinates in pixels: x grows to the right, y downwards. A rectangle covers the pixels
// from (left, top) up to but not including (right, bottom), so its width is right - left.

struct Point
{
    int x;
    int y;
};

struct Rect
{
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // A rectangle with no pixels: zero or negative width or height.
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

inline void SetRect(Rect& rect, int left, int top, int right, int bottom)
{
    rect = Rect{left, top, right, bottom};
}

inline void OffsetRect(Rect& rect, int dx, int dy)
{
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

// Grows the rectangle by dx on the left and on the right and by dy at the top and the bottom;
// negative amounts shrink it.
inline void InflateRect(Rect& rect, int dx, int dy)
{
    rect.left -= dx;
    rect.right += dx;
    rect.top -= dy;
    rect.bottom += dy;
}

// The right and bottom edges are outside.
inline bool PtInRect(const Rect& rect, Point point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// The common part of two rectangles; an empty rectangle (all zero) when they do not overlap.
inline Rect IntersectRect(const Rect& a, const Rect& b)
{
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.IsEmpty()) {
        return Rect{0, 0, 0, 0};
    }
    return r;
}

// The smallest rectangle holding both; an empty rectangle counts as nothing.
inline Rect UnionRect(const Rect& a, const Rect& b)
{
    if (a.IsEmpty()) {
        return b.IsEmpty() ? Rect{0, 0, 0, 0} : b;
    }
    if (b.IsEmpty()) {
        return a;
    }
    return Rect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
