#include "app/CellFrame.h"

#include "platform/DeviceContext.h"

void CellFrame::Draw(DeviceContext& dc, int col, int row, bool raised)
{
    SetRect(rect, cellSize * col, cellSize * row, cellSize * (col + 1) - 1,
            cellSize * (row + 1) - 1);
    const ColorRef white = Rgb(255, 255, 255);
    const ColorRef black = Rgb(0, 0, 0);
    if (raised) {
        dc.Draw3dRect(rect, white, black);
    } else {
        dc.Draw3dRect(rect, black, white);
    }
}
