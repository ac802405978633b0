// The keyboard on the board: the arrows move the highlighted cell that the mouse moves too, and
// Space clicks it.
#include "app/MainDialog.h"

#include "platform/ClientDC.h"
#include "platform/Keys.h"

#include <algorithm>

bool MainDialog::WantsKey(unsigned key, unsigned flags) const
{
    return flags == 0 &&
           (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_SPACE);
}

void MainDialog::OnKeyDown(unsigned key, unsigned flags)
{
    if (flags != 0) {
        return;
    }
    switch (key) {
    case VK_LEFT:
        MoveHighlight(-1, 0);
        break;
    case VK_RIGHT:
        MoveHighlight(1, 0);
        break;
    case VK_UP:
        MoveHighlight(0, -1);
        break;
    case VK_DOWN:
        MoveHighlight(0, 1);
        break;
    case VK_SPACE:
        if (hoverCol >= 0 && hoverRow >= 0) {
            const Point centre{hoverCol * cellSize + cellSize / 2,
                               hoverRow * cellSize + cellSize / 2};
            OnLButtonDown(MK_LBUTTON, centre);
        }
        break;
    default:
        break;
    }
}

void MainDialog::MoveHighlight(int colStep, int rowStep)
{
    const int cols = settings.boardCols;
    const int rows = settings.boardRows;
    // A cell left over from a larger board is no longer on the screen to be lowered.
    const bool onBoard = hoverCol >= 0 && hoverRow >= 0 && hoverCol < cols && hoverRow < rows;
    const int col = std::clamp((onBoard ? hoverCol : lastHoverCol) + colStep, 0, cols - 1);
    const int row = std::clamp((onBoard ? hoverRow : lastHoverRow) + rowStep, 0, rows - 1);
    if (col == hoverCol && row == hoverRow) {
        return;
    }
    // The same frames and text as when the mouse moves onto the cell.
    ClientDC dc(this);
    if (onBoard) {
        cellFrame.Draw(dc, hoverCol, hoverRow, false);
    }
    cellFrame.Draw(dc, col, row, true);
    hoverCol = col;
    hoverRow = row;
    ShowState(controller.state);
}
