#pragma once

#include "platform/Bitmap.h"

class DeviceContext;

// An application icon from the art, in its big (32 by 32) and small (16 by 16) images. Icons are
// shared like cursors: Load gives the same object for an id every time.
class Icon
{
public:
    // nullptr when the resources hold neither image of that id.
    static const Icon* Load(int id);

    virtual ~Icon() = default;

    int GetId() const { return id; }
    // The image of that size, 32 or 16; the other one when that size is missing.
    const Bitmap& GetImage(int size) const;

private:
    Icon() = default;

    int id = 0;
    Bitmap big;
    Bitmap small;
};

// Draws the big image with its top-left corner at (x, y); its transparent pixels leave the
// target as it was.
void DrawIcon(DeviceContext& dc, int x, int y, const Icon* icon);
