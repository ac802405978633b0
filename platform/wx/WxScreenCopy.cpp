#include "platform/wx/WxScreenCopy.h"

// What both ports share; each port's folder makes, fills, paints and drops the surface.

WxScreenCopy::~WxScreenCopy()
{
    Drop();
}

bool WxScreenCopy::Resize(int newWidth, int newHeight)
{
    if (surface && width == newWidth && height == newHeight) {
        return false;
    }
    Drop();
    width = newWidth;
    height = newHeight;
    return true;
}
