#pragma once

#include "game/GameController.h"
#include "platform/Dialog.h"

// The main window as the game controller sees it, for tests: big enough for a 20 by 20 board of
// 30-pixel cells, with the next-colours preview and the score box to the right of it. It paints
// the controller and forwards the selection timer to it, as the real main window does.
class GameTestWindow : public Dialog
{
public:
    GameTestWindow();

    GameController* game = nullptr;
    Rect previewRect{610, 560, 650, 580};
    Rect scoreRect{610, 600, 650, 619};
    int paints = 0;

    void OnPaint() override;
    void OnTimer(unsigned id) override;
};
