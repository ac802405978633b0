#include "game/GameController.h"

#include "board/PieceColors.h"
#include "platform/Sleep.h"

namespace {

// The pause after each frame for an animation speed: 0 switches the animation off (no frames,
// no pause), 1 (slow) to 5 (fast) scale the nominal pause by 2, 1.5, 1, 0.6 and 0.3. Sleep takes
// whole milliseconds, so the result is rounded to the nearest and never drops below 1 ms.
int ScaledPause(int nominal, int speed)
{
    constexpr int TENTHS[6] = {0, 20, 15, 10, 6, 3};
    if (speed <= 0) {
        return 0;
    }
    const int tenths = TENTHS[speed > 5 ? 5 : speed];
    const int pause = (nominal * tenths + 5) / 10;
    return pause < 1 ? 1 : pause;
}

} // namespace

void GameController::AnimateTravel(DeviceContext& dc, const CellPos* cells, int steps,
                                   int direction, int pause)
{
    const int ms = ScaledPause(pause, settings.travelSpeed);
    const CellPos& from = direction == TRAVEL_FORWARD ? cells[0] : cells[steps];
    const CellPos& to = direction == TRAVEL_FORWARD ? cells[steps] : cells[0];
    if (ms == 0) {
        painter.DrawEmptyCell(dc, from.row, from.col);
        painter.DrawPiece(dc, to.row, to.col, false);
        return;
    }
    // Each frame erases the cell the piece leaves and draws it in the next one.
    for (int k = 1; k <= steps; ++k) {
        const CellPos& left = direction == TRAVEL_FORWARD ? cells[k - 1] : cells[steps - k + 1];
        const CellPos& entered = direction == TRAVEL_FORWARD ? cells[k] : cells[steps - k];
        painter.DrawEmptyCell(dc, left.row, left.col);
        painter.DrawPiece(dc, entered.row, entered.col, false);
        Sleep(static_cast<unsigned>(ms));
    }
}

// The cells are empty when this starts. Every frame's ellipse covers the last one, so nothing is
// erased between frames, and the last frame is exactly a piece at rest.
void GameController::AnimateAppear(DeviceContext& dc, const CellPos* cells, int count,
                                   const int* colours)
{
    const int ms = ScaledPause(FADE_PAUSE, settings.fadeSpeed);
    if (ms == 0) {
        for (int i = 0; i < count; ++i) {
            painter.color = PieceColor(colours[i]);
            painter.DrawPiece(dc, cells[i].row, cells[i].col, false);
        }
        return;
    }
    for (int inset = APPEAR_FRAMES - 1; inset >= 0; --inset) {
        for (int i = 0; i < count; ++i) {
            painter.color = PieceColor(colours[i]);
            painter.DrawFadeFrame(dc, cells[i].row, cells[i].col, inset);
            Sleep(static_cast<unsigned>(ms));
        }
    }
}

void GameController::VanishCells(DeviceContext& dc, int n)
{
    FadeOut(dc, removedCells, n, nullptr);
}

void GameController::AnimateDisappear(DeviceContext& dc, const CellPos* cells, int count,
                                      const int* colours)
{
    FadeOut(dc, cells, count, colours);
}

void GameController::FadeOut(DeviceContext& dc, const CellPos* cells, int count, const int* colours)
{
    const int ms = ScaledPause(FADE_PAUSE, settings.fadeSpeed);
    if (ms != 0) {
        for (int inset = 0; inset < VANISH_FRAMES; ++inset) {
            for (int i = 0; i < count; ++i) {
                if (colours) {
                    painter.color = PieceColor(colours[i]);
                }
                painter.DrawEmptyCell(dc, cells[i].row, cells[i].col);
                painter.DrawFadeFrame(dc, cells[i].row, cells[i].col, inset);
                Sleep(static_cast<unsigned>(ms));
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        painter.DrawEmptyCell(dc, cells[i].row, cells[i].col);
    }
}
