#pragma once

#include "platform/PixelImage.h"

// A picture to copy with BitBlt or StretchBlt after selecting it into a memory context. The art
// of the game is XPM text compiled into the program (res/); a bitmap is made from it at load time.
class Bitmap
{
public:
    Bitmap() = default;
    virtual ~Bitmap() = default;

    // Parses XPM 3 data (the array of strings of an .xpm file: the values line "width height
    // colours charsPerPixel [hotX hotY]", colours given as c #RRGGBB or c None, one or two
    // characters per pixel). "None" pixels become TRANSPARENT_PIXEL. False, and an empty bitmap,
    // when the data is malformed. The lines are read as far as the values line says; when
    // lineCount (the number of strings in the array) is given, never beyond it.
    bool LoadXpm(const char* const* xpm, int lineCount = -1);
    void DeleteObject();
    bool IsEmpty() const { return image.width == 0 || image.height == 0; }

    int Width() const { return image.width; }
    int Height() const { return image.height; }

    // A pixel of no colour (XPM "None"): BitBlt and StretchBlt leave the target pixel as it was.
    // The game's button and banner bitmaps have none; cursors and the icon do.
    static constexpr ColorRef TRANSPARENT_PIXEL = 0xFF000000;

    PixelImage image;
    // The hot spot given in the XPM values line; -1 when it gives none.
    int hotSpotX = -1;
    int hotSpotY = -1;
};
