#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <string>

constexpr int HOT_HOVERED = 0;
constexpr int HOT_NORMAL = 1;
constexpr int HOT_DISABLED = 2;

// An item of the main window that reacts to the mouse without being a window: a rectangle with a
// tip for the status line and a hovered, normal or disabled state.
class HotArea
{
public:
    explicit HotArea(int initialState = HOT_NORMAL) : state(initialState) {}
    virtual ~HotArea() = default;

    // Hovered when the point is inside (right and bottom edges outside), normal when not; a
    // disabled item ignores the mouse. Returns whether the state changed.
    bool HitTest(Point point);
    // Normal when enabled (a hovered item too), disabled when not. Returns whether the state
    // changed.
    bool SetEnabled(bool enabled);

    Rect rect{0, 0, 0, 0};
    std::string tip;
    std::int32_t state;
};
