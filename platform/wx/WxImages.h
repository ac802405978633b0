#pragma once

#include "platform/PixelImage.h"

#include <wx/bitmap.h>
#include <wx/image.h>

// Conversions between the game's pixel images (0x00BBGGRR, "None" as Bitmap::TRANSPARENT_PIXEL)
// and wx images.
class WxImages
{
public:
    // The whole image, its transparent pixels masked out (for cursors and icons).
    static wxImage ToImage(const PixelImage& source);
    // A PixelImage of what a wx bitmap shows (screen read-backs in tests, screenshots).
    static void FromImage(const wxImage& source, PixelImage& target);
};
