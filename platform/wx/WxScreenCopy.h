#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

class PixelImage;
class wxWindow;

// What a canvas shows: its window's back buffer as last presented, kept in the toolkit's own
// pixel format so that a paint is one copy. Made when first needed, so that on GTK it is made
// for the canvas's own window once it has one. Each port of the toolkit has its own (gtk/: an
// image of Cairo's; portable/: a bitmap of wx's).
class WxScreenCopy
{
public:
    WxScreenCopy() = default;
    ~WxScreenCopy();
    WxScreenCopy(const WxScreenCopy&) = delete;
    WxScreenCopy& operator=(const WxScreenCopy&) = delete;

    // A new size: the copy starts over in the face colour when next needed. False when the
    // copy is made already and keeps its size, so that nothing changes on the screen.
    bool Resize(int newWidth, int newHeight);
    // Copies the area of the buffer, which lies inside both, into the copy.
    void Copy(wxWindow& canvas, const PixelImage& buffer, const Rect& area, ColorRef face);
    // Shows the copy, from the canvas's paint handler.
    void Paint(wxWindow& canvas, ColorRef face);

    int width = 0;
    int height = 0;

private:
    struct Surface;
    Surface& Made(wxWindow& canvas, ColorRef face);
    void Drop();

    Surface* surface = nullptr;
};
