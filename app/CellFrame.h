#pragma once

#include "platform/Geometry.h"

#include <cstdint>

class DeviceContext;

// The one-pixel 3-D frame around a board cell. A frame covers the cell's square but its last row
// and column, which keep the window's background as a gap between neighbouring frames.
class CellFrame
{
public:
    CellFrame() = default;
    virtual ~CellFrame() = default;

    // Raised: white top and left, black bottom and right; sunken the other way round. The
    // column comes first here, unlike in the board's operations.
    void Draw(DeviceContext& dc, int col, int row, bool raised);

    Rect rect{0, 0, 0, 0};
    std::int32_t cellSize = 0;
};
