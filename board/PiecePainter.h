#pragma once

#include "platform/Color.h"

#include <cstdint>

class DeviceContext;

// Draws single cells of the board: a piece at rest or jiggling, one frame of a piece fading in or
// out, an empty cell. It knows nothing of the board's contents; the caller names the cell and
// stores the piece's colour in `color` first. The outer 2-pixel margin of a cell is never
// painted: the main window draws the cell frames there.
class PiecePainter
{
public:
    PiecePainter() = default;
    virtual ~PiecePainter() = default;

    // Fills the cell's background and draws the piece; with jiggle the piece is shifted by up to
    // 3 pixels by jiggleAngle, which then advances.
    void DrawPiece(DeviceContext& dc, int row, int col, bool jiggle);
    // Draws the piece inset by another k pixels on every side, without painting background.
    void DrawFadeFrame(DeviceContext& dc, int row, int col, int inset);
    void DrawEmptyCell(DeviceContext& dc, int row, int col);

    std::int32_t cellSize = 0;
    ColorRef color = 0;
    std::int32_t jiggleAngle = 0;
};
