#pragma once

#include "tests/PixelProbe.h"

// Whether the 30-pixel cell shows the keys' focus ring: a one-pixel black frame on the 26-pixel
// square inside the cell's 2-pixel margin, and a white one inside that.
inline bool HasFocusRing(const PixelImage& image, int row, int col)
{
    const auto frame = [&](const Rect& r, ColorRef color) {
        const Rect inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        return CountPixels(image, r, color) - CountPixels(image, inside, color) ==
               2 * (r.Width() + r.Height()) - 4;
    };
    const Rect outer{col * 30 + 2, row * 30 + 2, col * 30 + 28, row * 30 + 28};
    const Rect inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
    return frame(outer, Rgb(0, 0, 0)) && frame(inner, Rgb(255, 255, 255));
}
