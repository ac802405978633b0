#pragma once

#include "platform/Color.h"

#include <cstdint>
#include <string>
#include <vector>

// A block of 32-bit pixels, each a ColorRef (0x00BBGGRR), row after row from the top.
// Windows' back buffers, bitmaps and screenshots are all PixelImages.
class PixelImage
{
public:
    PixelImage() = default;
    PixelImage(int width, int height, ColorRef fill = 0);
    virtual ~PixelImage() = default;

    // Gives the image a new size with every pixel set to fill. The only operation that allocates.
    void Resize(int width, int height, ColorRef fill = 0);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Outside the image GetPixel gives 0 and SetPixel does nothing.
    ColorRef GetPixel(int x, int y) const;
    void SetPixel(int x, int y, ColorRef color);

    // Writes the image as an 8-bit RGB PNG file; false when the file cannot be written.
    bool SavePng(const std::string& path) const;

    int width = 0;
    int height = 0;
    std::vector<ColorRef> pixels;
};
