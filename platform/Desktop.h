#pragma once

#include "platform/Geometry.h"

// Indices of GetSystemMetrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

// The desktop's rectangle, in the coordinates windows are moved in.
Rect GetDesktopRect();
// Grows a client rectangle into the window rectangle of a window with that style, with a menu
// bar when menu is true.
void AdjustWindowRect(Rect& rect, unsigned style, bool menu);
int GetSystemMetrics(int index);
