#include "board/PiecePainter.h"

#include "board/PieceColors.h"
#include "board/PieceSymbols.h"
#include "platform/DeviceContext.h"
#include "platform/Geometry.h"

#include <cmath>

namespace {

Rect CellSquare(int row, int col, int cellSize)
{
    Rect cell;
    SetRect(cell, col * cellSize, row * cellSize, (col + 1) * cellSize, (row + 1) * cellSize);
    return cell;
}

} // namespace

void PiecePainter::DrawPiece(DeviceContext& dc, int row, int col, bool jiggle)
{
    Brush brush(color);
    Rect box = CellSquare(row, col, cellSize);
    InflateRect(box, -2, -2);
    dc.FillSolidRect(box, GetSysColor(COLOR_INACTIVEBORDER));
    InflateRect(box, -3, -3);
    if (jiggle) {
        // The angle is taken in radians, one whole radian per tick, so the piece hops around
        // its rest position in an irregular order rather than circling smoothly.
        const double angle = static_cast<double>(jiggleAngle);
        OffsetRect(box, static_cast<int>(3.0 * std::cos(angle)),
                   static_cast<int>(3.0 * std::sin(angle)));
        jiggleAngle = (jiggleAngle + 1) % 360;
    }
    dc.SelectObject(&brush);
    dc.Ellipse(box);
    dc.SelectStockObject(WHITE_BRUSH);
    DrawSymbol(dc, box);
    RedrawFocus(dc, row, col);
}

void PiecePainter::DrawFadeFrame(DeviceContext& dc, int row, int col, int inset)
{
    Brush brush(color);
    Rect box = CellSquare(row, col, cellSize);
    InflateRect(box, -(5 + inset), -(5 + inset));
    dc.SelectObject(&brush);
    dc.Ellipse(box);
    dc.SelectStockObject(WHITE_BRUSH);
    DrawSymbol(dc, box);
}

void PiecePainter::DrawEmptyCell(DeviceContext& dc, int row, int col)
{
    Rect square = CellSquare(row, col, cellSize);
    InflateRect(square, -2, -2);
    dc.FillSolidRect(square, GetSysColor(COLOR_INACTIVEBORDER));
    RedrawFocus(dc, row, col);
}

void PiecePainter::DrawFocusRing(DeviceContext& dc, int row, int col)
{
    Rect ring = CellSquare(row, col, cellSize);
    InflateRect(ring, -2, -2);
    dc.Draw3dRect(ring, Rgb(0, 0, 0), Rgb(0, 0, 0));
    InflateRect(ring, -1, -1);
    dc.Draw3dRect(ring, Rgb(255, 255, 255), Rgb(255, 255, 255));
}

void PiecePainter::DrawSymbol(DeviceContext& dc, const Rect& box)
{
    const int index = PieceColorIndex(color);
    if (symbols && index >= 0) {
        DrawPieceSymbol(dc, box, index, SymbolSideOnPiece(box.Width()));
    }
}

void PiecePainter::RedrawFocus(DeviceContext& dc, int row, int col)
{
    if (row == focusRow && col == focusCol) {
        DrawFocusRing(dc, row, col);
    }
}
