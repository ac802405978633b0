#include "platform/PixelImage.h"

#include <png.h>

#include <cstddef>
#include <cstring>

PixelImage::PixelImage(int width, int height, ColorRef fill)
{
    Resize(width, height, fill);
}

void PixelImage::Resize(int newWidth, int newHeight, ColorRef fill)
{
    // A negative size is taken as no pixels at all, so that width * height stays the pixel count.
    if (newWidth <= 0 || newHeight <= 0) {
        newWidth = 0;
        newHeight = 0;
    }
    width = newWidth;
    height = newHeight;
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

ColorRef PixelImage::GetPixel(int x, int y) const
{
    if (!Contains(x, y)) {
        return 0;
    }
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

void PixelImage::SetPixel(int x, int y, ColorRef color)
{
    if (Contains(x, y)) {
        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] = color;
    }
}

bool PixelImage::SavePng(const std::string& path) const
{
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return false;
    }
    // Pixels are 0x00BBGGRR; the PNG rows want red, green, blue bytes. A pixel's top byte (the
    // transparent marker of bitmaps) is dropped, so such pixels come out in their low bytes.
    std::vector<png_byte> rows(pixels.size() * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        rows[i * 3] = static_cast<png_byte>(GetRValue(pixels[i]));
        rows[i * 3 + 1] = static_cast<png_byte>(GetGValue(pixels[i]));
        rows[i * 3 + 2] = static_cast<png_byte>(GetBValue(pixels[i]));
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    int ok = png_image_write_to_file(&image, path.c_str(), 0, rows.data(), width * 3, nullptr);
    png_image_free(&image);
    return ok != 0;
}
