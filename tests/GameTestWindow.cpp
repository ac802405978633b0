#include "GameTestWindow.h"

#include "platform/DialogTemplate.h"
#include "platform/PaintDC.h"

namespace {
const DialogTemplate gameTemplate{9200,
                                  "Game test window",
                                  WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME |
                                      DS_SETFONT,
                                  0,
                                  0,
                                  "MS Sans Serif",
                                  8,
                                  0,
                                  0,
                                  450,
                                  400,
                                  nullptr,
                                  0};
} // namespace

GameTestWindow::GameTestWindow() : Dialog(&gameTemplate) {}

void GameTestWindow::OnPaint()
{
    ++paints;
    PaintDC dc(this);
    if (game) {
        game->Paint(dc);
    }
}

void GameTestWindow::OnTimer(unsigned id)
{
    if (id == SELECTION_TIMER_ID && game) {
        game->OnSelectionTimer();
    }
    Window::OnTimer(id);
}
