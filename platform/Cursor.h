#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

// A mouse cursor from the art (32 by 32 with its hot spot). Cursors are shared: Load gives the
// same object for an id every time, made at its first load and kept for the program's life.
class Cursor
{
public:
    // nullptr when the resources hold no usable cursor of that id.
    static const Cursor* Load(int id);

    virtual ~Cursor() = default;

    int GetId() const { return id; }
    const Bitmap& GetImage() const { return image; }
    // The point of the image that is the mouse position.
    Point GetHotSpot() const { return Point{image.hotSpotX, image.hotSpotY}; }

private:
    Cursor() = default;

    int id = 0;
    Bitmap image;
};
