// The keyboard on the board: the arrows move the highlighted cell that the mouse moves too, and
// Space clicks it.
#include "app/MainDialog.h"

#include "platform/ClientDC.h"
#include "platform/Keys.h"

#include <algorithm>

namespace {
// The board's keys, pressed without modifiers: an arrow steps the highlight, Space (no step)
// clicks the highlighted cell.
struct BoardKey
{
    unsigned key;
    int colStep;
    int rowStep;
};
constexpr BoardKey boardKeys[] = {
    {VK_LEFT, -1, 0}, {VK_RIGHT, 1, 0}, {VK_UP, 0, -1}, {VK_DOWN, 0, 1}, {VK_SPACE, 0, 0},
};

const BoardKey* FindBoardKey(unsigned key, unsigned flags)
{
    if (flags != 0) {
        return nullptr;
    }
    const auto* found = std::find_if(std::begin(boardKeys), std::end(boardKeys),
                                     [key](const BoardKey& entry) { return entry.key == key; });
    return found != std::end(boardKeys) ? found : nullptr;
}
} // namespace

bool MainDialog::WantsKey(unsigned key, unsigned flags) const
{
    return FindBoardKey(key, flags) != nullptr;
}

void MainDialog::OnKeyDown(unsigned key, unsigned flags)
{
    const BoardKey* entry = FindBoardKey(key, flags);
    if (!entry) {
        return;
    }
    if (entry->colStep != 0 || entry->rowStep != 0) {
        MoveHighlight(entry->colStep, entry->rowStep);
    } else if (hoverDrawn && hoverCol >= 0 && hoverRow >= 0) {
        // Only a cell the player can see lit is clicked.
        ClickCell(hoverRow, hoverCol);
    }
}

void MainDialog::MoveHighlight(int colStep, int rowStep)
{
    const int cols = settings.boardCols;
    const int rows = settings.boardRows;
    // A cell left over from a larger board is no longer on the screen to be lowered.
    const bool onBoard = hoverCol >= 0 && hoverRow >= 0 && hoverCol < cols && hoverRow < rows;
    // The first arrow shows where the keys start, the corner cell the first game counts as
    // highlighted, without a step; after the mouse has left the board they go on from the cell
    // it left.
    const int steps = onBoard && !hoverDrawn ? 0 : 1;
    const int col = std::clamp((onBoard ? hoverCol : lastHoverCol) + steps * colStep, 0, cols - 1);
    const int row = std::clamp((onBoard ? hoverRow : lastHoverRow) + steps * rowStep, 0, rows - 1);
    ClientDC dc(this);
    if (col == hoverCol && row == hoverRow && hoverDrawn) {
        // At an edge the cell stays, but it is the keys' now.
        MoveFocusRing(dc, row, col);
        return;
    }
    // The same frames and text as when the mouse moves onto the cell, and the ring.
    if (onBoard) {
        cellFrame.Draw(dc, hoverCol, hoverRow, false);
    }
    cellFrame.Draw(dc, col, row, true);
    MoveFocusRing(dc, row, col);
    hoverCol = col;
    hoverRow = row;
    hoverDrawn = true;
    ShowState(controller.state);
}

void MainDialog::MoveFocusRing(DeviceContext& dc, int row, int col)
{
    PiecePainter& painter = controller.painter;
    const int oldRow = painter.focusRow;
    const int oldCol = painter.focusCol;
    if (row == oldRow && col == oldCol) {
        return;
    }
    painter.focusRow = row;
    painter.focusCol = col;
    if (oldRow >= 0) {
        controller.DrawCell(dc, oldRow, oldCol);
    }
    if (row >= 0) {
        painter.DrawFocusRing(dc, row, col);
    }
}
