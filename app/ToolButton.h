#pragma once

#include "app/HotArea.h"
#include "platform/Bitmap.h"

#include <cstdint>

class DeviceContext;

// A picture button that the main window draws itself: one bitmap for each state of its HotArea.
// The title banner is a ToolButton too, with one bitmap drawn stretched to its rectangle.
class ToolButton : public HotArea
{
public:
    explicit ToolButton(int initialState = HOT_NORMAL) : HotArea(initialState) {}
    ~ToolButton() override = default;

    void Place(int x, int y, int width, int height);
    // Loads the bitmap with that resource id as the picture of the state; false for an id
    // without a bitmap or a state that has no picture.
    bool LoadStateBitmap(int id, int forState);
    // Copies the picture of the current state to rect: unscaled from its top-left corner, or
    // stretched from the whole sourceWidth by sourceHeight bitmap.
    void Draw(DeviceContext& dc, bool stretch);

    Bitmap normalBitmap;
    Bitmap hoverBitmap;
    Bitmap disabledBitmap;
    std::int32_t sourceWidth = 0;
    std::int32_t sourceHeight = 0;

private:
    Bitmap* StateBitmap(int forState);
};
