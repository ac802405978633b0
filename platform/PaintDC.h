#pragma once

#include "platform/DeviceContext.h"

class Window;

// The context of the paint message: clipped to the window's update region, which it first fills
// with the dialog face colour when erasing was asked, and which it validates. What is drawn is
// presented when the paint handler returns.
class PaintDC : public DeviceContext
{
public:
    explicit PaintDC(Window* window);
    explicit PaintDC(Window& window) : PaintDC(&window) {}
    ~PaintDC() override = default;

    // The bounding box of the region being painted.
    Rect paintRect{0, 0, 0, 0};
    bool erased = false;
};
