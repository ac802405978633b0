#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

#include <cstdint>

class DeviceContext;

// Draws single cells of the board: a piece at rest or jiggling, one frame of a piece fading in or
// out, an empty cell. It knows nothing of the board's contents; the caller names the cell and
// stores the piece's colour in `color` first. The outer 2-pixel margin of a cell is never
// painted: the main window draws the cell frames there.
//
// Two aids are off until the main window turns them on: the symbol of its colour on every
// piece (see PieceSymbols.h), and a focus ring on the cell the keys highlight. The ring lies
// inside the margin on the cell's ground, so every drawing of that cell draws it again last.
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
    // A 2-pixel ring just inside the margin: black outside, white inside, so that one of the two
    // stands out on the grey ground and on a piece of any colour hopping under it.
    void DrawFocusRing(DeviceContext& dc, int row, int col);

    std::int32_t cellSize = 0;
    ColorRef color = 0;
    std::int32_t jiggleAngle = 0;
    bool symbols = false;
    // The cell that carries the focus ring; -1 for none.
    std::int32_t focusRow = -1;
    std::int32_t focusCol = -1;

private:
    void DrawSymbol(DeviceContext& dc, const Rect& box);
    void RedrawFocus(DeviceContext& dc, int row, int col);
};
