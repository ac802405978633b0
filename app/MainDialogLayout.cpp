// The main window's geometry, its painting and the texts of its status line.
#include "app/MainDialog.h"

#include "app/ColorLegend.h"
#include "platform/Color.h"
#include "platform/Desktop.h"
#include "platform/Icon.h"
#include "platform/PaintDC.h"
#include "platform/Translation.h"

#include <cstdio>

namespace {
constexpr ColorRef BLACK = Rgb(0, 0, 0);
constexpr ColorRef WHITE = Rgb(255, 255, 255);
constexpr int TOOL_SIZE = 25;
constexpr int BANNER_WIDTH = 40;
constexpr int BANNER_HEIGHT = 86;
} // namespace

void MainDialog::Layout()
{
    const int cols = settings.boardCols;
    const int rows = settings.boardRows;

    // The controller keeps the addresses of the panel and score rectangles; they are filled in
    // below, before NewGame first draws into them.
    controller.Setup(cellSize, settings, &colorPanel.rect, &scoreRect, this);

    for (int tool = 0; tool < TOOL_COUNT; ++tool) {
        toolButtons[tool].Place(2 + 30 * tool, cellSize * rows + 5, TOOL_SIZE, TOOL_SIZE);
    }
    toolButtons[TOOL_DELETE].SetEnabled(false);
    // The window is drawn anew with every cell sunken and no focus ring, maybe elsewhere and at
    // another size.
    hoverCol = -1;
    hoverRow = -1;
    hoverDrawn = false;
    controller.painter.focusRow = -1;
    controller.painter.focusCol = -1;

    const Rect desktop = GetDesktopRect();
    Rect window{0, 0, cellSize * cols + 50, cellSize * rows + 35};
    AdjustWindowRect(window, WS_POPUP | WS_CAPTION | WS_SYSMENU, true);
    OffsetRect(window, -window.left, -window.top);
    OffsetRect(window, (desktop.Width() - window.Width()) / 2,
               (desktop.Height() - window.Height()) / 2);
    MoveWindow(window, true);

    GetClientRect(&clientRect);
    const int cr = clientRect.right;
    const int cb = clientRect.bottom;
    SetRect(boardArea.rect, clientRect.left, clientRect.top, clientRect.left + cellSize * cols,
            clientRect.top + cellSize * rows);
    SetRect(colorPanel.rect, cr - 45, cb - 56, cr - 5, cb - 36);
    banner.sourceWidth = BANNER_WIDTH;
    banner.sourceHeight = BANNER_HEIGHT;
    banner.Place(cellSize * cols + 5, 0, BANNER_WIDTH, cb - 61);
    SetRect(scoreRect, cr - 45, cb - 27, cr - 5, cb - 8);

    statusLine.SetWindowText(_("STATUS"));
    const int statusTop = cellSize * rows + 9;
    statusLine.MoveWindow(toolButtons[TOOL_DELETE].rect.right + 5, statusTop, cellSize * cols - 92,
                          (cb - 9) - statusTop, true);

    controller.NewGame();
    UpdateTools();
}

void MainDialog::OnPaint()
{
    if (IsIconic()) {
        // The toolkit erases nothing behind a minimised window's icon, so the face goes first.
        PaintDC dc(this);
        Rect client;
        GetClientRect(&client);
        dc.FillSolidRect(client, GetSysColor(COLOR_BTNFACE));
        const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, icon);
        return;
    }
    PaintGame();
    Default();
}

void MainDialog::PaintGame()
{
    PaintDC dc(this);
    for (int col = 0; col < settings.boardCols; ++col) {
        for (int row = 0; row < settings.boardRows; ++row) {
            cellFrame.Draw(dc, col, row, false);
        }
    }
    for (ToolButton& button : toolButtons) {
        button.Draw(dc, false);
    }
    banner.Draw(dc, true);

    dc.FillSolidRect(colorPanel.rect, PANEL_GREY);
    switch (panelMode) {
    case PANEL_ALL_COLORS:
        DrawColorLegend(dc);
        controller.showNext = 0;
        break;
    case PANEL_NEXT_COLORS:
        controller.showNext = 1;
        break;
    default:
        controller.showNext = 0;
        break;
    }
    controller.Paint(dc);
    // While the keys hold the highlight, a paint keeps their cell raised and ringed.
    PiecePainter& painter = controller.painter;
    if (painter.focusRow >= 0) {
        cellFrame.Draw(dc, painter.focusCol, painter.focusRow, true);
        painter.DrawFocusRing(dc, painter.focusRow, painter.focusCol);
    }

    if (colorPanel.state == HOT_NORMAL) {
        dc.Draw3dRect(colorPanel.rect, BLACK, WHITE);
    } else {
        dc.Draw3dRect(colorPanel.rect, WHITE, BLACK);
    }
}

void MainDialog::DrawColorLegend(DeviceContext& dc)
{
    DrawColorSwatches(dc, colorPanel.rect, settings.colorCount);
    if (controller.painter.symbols) {
        DrawSwatchSymbols(dc, colorPanel.rect, settings.colorCount);
    }
}

void MainDialog::ShowState(int state)
{
    // Room for the longest status text in any language: a Cyrillic letter takes two bytes.
    char text[160] = "";
    switch (state) {
    case STATE_SELECT_PIECE:
        std::snprintf(text, sizeof text, "%s", _("Select piece"));
        break;
    case STATE_SELECT_DESTINATION:
        std::snprintf(text, sizeof text, "%s", _("Select destination"));
        break;
    case STATE_DELETING:
        // TRANSLATORS: %d is the number of delete credits left.
        std::snprintf(text, sizeof text, _("Delete piece (%d)"), controller.deleteCredits);
        break;
    case STATE_GAME_END:
        std::snprintf(text, sizeof text, "%s", _("Game end"));
        break;
    default:
        break;
    }
    statusLine.SetWindowText(text);
}
