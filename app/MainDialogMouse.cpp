// Hover feedback, clicks, the selection timer and the tool buttons' enabled looks.
#include "app/MainDialog.h"

#include "platform/ClientDC.h"
#include "platform/Color.h"
#include "platform/Cursor.h"
#include "platform/Menu.h"
#include "platform/Translation.h"
#include "res/ResourceIds.h"

namespace {
constexpr ColorRef BLACK = Rgb(0, 0, 0);
constexpr ColorRef WHITE = Rgb(255, 255, 255);

const char* PanelCaption(int mode)
{
    switch (mode) {
    case PANEL_ALL_COLORS:
        return _("All colors");
    case PANEL_NEXT_COLORS:
        return _("Next colors");
    default:
        return "";
    }
}
} // namespace

void MainDialog::OnMouseMove(unsigned /*flags*/, Point point)
{
    const int col = point.x / cellSize;
    const int row = point.y / cellSize;
    ClientDC dc(this);
    if (hoverCol >= 0 && hoverRow >= 0) {
        lastHoverCol = hoverCol;
        lastHoverRow = hoverRow;
    }
    // The mouse takes the highlight back from the keys: their ring goes at once, the raised
    // frame as soon as the mouse is over another cell.
    MoveFocusRing(dc, -1, -1);

    // Outside the client area the move can only come through the capture: the mouse has left,
    // so the hovered cell goes down and the capture goes back.
    if (!PtInRect(clientRect, point)) {
        if (hoverCol >= 0 && hoverRow >= 0) {
            cellFrame.Draw(dc, hoverCol, hoverRow, false);
        }
        hoverCol = -1;
        hoverRow = -1;
        hoverDrawn = false;
        // A button or the panel that was lit goes back to its normal look, and its tip makes
        // way for the state.
        bool unlit = false;
        for (ToolButton& button : toolButtons) {
            if (button.HitTest(point)) {
                button.Draw(dc, false);
                unlit = true;
            }
        }
        if (colorPanel.HitTest(point)) {
            dc.Draw3dRect(colorPanel.rect, BLACK, WHITE);
            unlit = true;
        }
        if (unlit) {
            ShowState(controller.state);
        }
        ReleaseCapture();
        return;
    }

    // Holding the capture keeps our cursor over the client area and brings the move that
    // tells us the mouse has left.
    if (GetCapture() != this) {
        SetCapture();
        SetCursor(cursor);
    }

    for (ToolButton& button : toolButtons) {
        if (button.HitTest(point)) {
            button.Draw(dc, false);
            if (button.state == HOT_HOVERED) {
                statusLine.SetWindowText(button.tip.c_str());
            }
        }
    }

    if (colorPanel.HitTest(point)) {
        if (colorPanel.state == HOT_HOVERED) {
            dc.Draw3dRect(colorPanel.rect, WHITE, BLACK);
            statusLine.SetWindowText(PanelCaption(panelMode));
        } else {
            dc.Draw3dRect(colorPanel.rect, BLACK, WHITE);
        }
    }

    if (col != hoverCol || row != hoverRow) {
        if (hoverCol >= 0 && hoverRow >= 0) {
            cellFrame.Draw(dc, hoverCol, hoverRow, false);
        }
        if (col < settings.boardCols && row < settings.boardRows) {
            cellFrame.Draw(dc, col, row, true);
            hoverCol = col;
            hoverRow = row;
            hoverDrawn = true;
            ShowState(controller.state);
        } else {
            hoverCol = -1;
            hoverRow = -1;
            hoverDrawn = false;
        }
    }
    Default();
}

void MainDialog::OnLButtonDown(unsigned /*flags*/, Point point)
{
    const int col = point.x / cellSize;
    const int row = point.y / cellSize;

    // A button runs its command by its rectangle alone, also when it looks disabled: the
    // controller itself refuses an Undo or a delete mode that does not apply.
    if (PtInRect(toolButtons[TOOL_DRAW_NEXT].rect, point)) {
        OnDrawNext();
    } else if (PtInRect(toolButtons[TOOL_UNDO].rect, point)) {
        OnUndo();
    } else if (PtInRect(toolButtons[TOOL_DELETE].rect, point)) {
        OnToggleDeleting();
    } else {
        if (PtInRect(colorPanel.rect, point)) {
            panelMode = (panelMode + 1) % 3;
            if (panelMode == PANEL_NEXT_COLORS) {
                statusLine.SetWindowText(_("Next colors"));
            } else if (panelMode == PANEL_ALL_COLORS) {
                statusLine.SetWindowText(_("All colors"));
            }
            InvalidateRect(&colorPanel.rect, true);
        }
        if (PtInRect(boardArea.rect, point)) {
            ShowState(controller.OnCellClick(row, col));
        }
        UpdateTools();
    }
    UpdateCursor();
    Default();
}

void MainDialog::ClickCell(int row, int col)
{
    ShowState(controller.OnCellClick(row, col));
    UpdateTools();
    UpdateCursor();
}

void MainDialog::UpdateCursor()
{
    cursor = Cursor::Load(controller.state == STATE_DELETING ? IDCUR_DELETE : IDCUR_SELECT);
    SetCursor(cursor);
}

void MainDialog::OnRButtonUp(unsigned /*flags*/, Point /*point*/)
{
    Default();
}

void MainDialog::OnTimer(unsigned id)
{
    if (id == SELECTION_TIMER_ID) {
        controller.OnSelectionTimer();
    }
    Default();
}

void MainDialog::SetToolEnabled(bool enable, int tool)
{
    if (toolButtons[tool].SetEnabled(enable)) {
        InvalidateRect(&toolButtons[tool].rect, true);
    }
    unsigned item = 0;
    if (tool == TOOL_UNDO) {
        item = ID_GAME_UNDO;
    } else if (tool == TOOL_DELETE) {
        item = ID_GAME_TOGGLE_DELETING;
    }
    Menu* menu = GetMenu();
    Menu* game = menu ? menu->GetSubMenu(0) : nullptr;
    if (item != 0 && game) {
        game->EnableMenuItem(item, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
    }
}

void MainDialog::UpdateTools()
{
    SetToolEnabled(controller.IsUndoAvailable() != 0, TOOL_UNDO);
    SetToolEnabled(controller.IsDeleteAvailable() != 0, TOOL_DELETE);
}
