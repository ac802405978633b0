#pragma once

#include "platform/Geometry.h"
#include "platform/PixelImage.h"

#include <string>
#include <utility>
#include <vector>

// Helpers for pixel-exact drawing tests: read a block of an image as text, one character per
// pixel, so that a failing test shows the picture it got.

// The block as rows of characters separated by '\n'; a colour missing from the legend is '?'.
inline std::string Picture(const PixelImage& image, const Rect& block,
                           const std::vector<std::pair<ColorRef, char>>& legend)
{
    std::string text;
    for (int y = block.top; y < block.bottom; ++y) {
        for (int x = block.left; x < block.right; ++x) {
            char c = '?';
            for (const auto& entry : legend) {
                if (entry.first == image.GetPixel(x, y)) {
                    c = entry.second;
                    break;
                }
            }
            text += c;
        }
        text += '\n';
    }
    return text;
}

// How many pixels of the block have the colour.
inline int CountPixels(const PixelImage& image, const Rect& block, ColorRef color)
{
    int count = 0;
    for (int y = block.top; y < block.bottom; ++y) {
        for (int x = block.left; x < block.right; ++x) {
            count += image.GetPixel(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

// Whether every pixel of the block has the colour.
inline bool AllPixels(const PixelImage& image, const Rect& block, ColorRef color)
{
    return CountPixels(image, block, color) == block.Width() * block.Height();
}

// How many pixels differ between two images of the same size (all of them if the sizes differ).
inline int DifferentPixels(const PixelImage& a, const PixelImage& b)
{
    if (a.width != b.width || a.height != b.height) {
        return a.width * a.height + b.width * b.height;
    }
    int count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        count += a.pixels[i] != b.pixels[i] ? 1 : 0;
    }
    return count;
}
