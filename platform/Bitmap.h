#pragma once

#include "platform/PixelImage.h"

// A picture to copy with BitBlt or StretchBlt after selecting it into a memory context. The art
// of the game is XPM text compiled into the program (res/); a bitmap is made from it at load time.
class Bitmap
{
public:
    Bitmap() = default;
    virtual ~Bitmap() = default;

    // Parses XPM 3 data (the array of strings of an .xpm file, colours given as #RRGGBB or
    // "None", one or two characters per pixel). False, and an empty bitmap, when it is malformed.
    bool LoadXpm(const char* const* xpm);
    void DeleteObject();
    bool IsEmpty() const { return image.width == 0 || image.height == 0; }

    int Width() const { return image.width; }
    int Height() const { return image.height; }

    PixelImage image;
};
