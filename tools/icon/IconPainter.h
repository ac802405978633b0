#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

class DeviceContext;

// Draws the game's icon at any size from one description: a three by three board of sunken
// cells with a red run across the middle, a yellow piece above it and a blue and a green piece
// below, the motif of the window's own icon. Every edge falls on a whole pixel, so each size is
// crisp; below 32 pixels the cell frames and piece outlines are left out, as the window's
// 16-pixel icon does, because they would eat the pieces.
class IconPainter
{
public:
    IconPainter() = default;
    virtual ~IconPainter() = default;

    // Fills the square from (0, 0) to (size, size).
    void Draw(DeviceContext& dc, int size);

private:
    // A shaded piece in box: a black outline of the given width, the lit colour with a shadow
    // crescent of the dark colour at the bottom right, and a white glint.
    void DrawPiece(DeviceContext& dc, const Rect& box, int outline, ColorRef lit, ColorRef dark);
    // Draws a disc of the colour only where the pixels of box already show the colour `inside`.
    void DiscWithin(DeviceContext& dc, const Rect& disc, const Rect& box, ColorRef inside,
                    ColorRef color);
};
