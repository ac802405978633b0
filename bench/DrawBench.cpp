#include "app/CellFrame.h"
#include "app/ColorLegend.h"
#include "app/ToolButton.h"
#include "board/PieceColors.h"
#include "board/PiecePainter.h"
#include "game/ScoreDisplay.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"

#include <benchmark/benchmark.h>

namespace {

// The back buffer of the main window for a 20 by 20 board: 650 by 635 pixels.
constexpr int WINDOW_WIDTH = 650;
constexpr int WINDOW_HEIGHT = 635;

void PaintBoard(DeviceContext& dc, CellFrame& frame, PiecePainter& painter, int size = 20)
{
    for (int col = 0; col < size; ++col) {
        for (int row = 0; row < size; ++row) {
            frame.Draw(dc, col, row, false);
        }
    }
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            painter.color = PieceColors[(row * 3 + col) % PIECE_COLOR_COUNT];
            painter.DrawPiece(dc, row, col, false);
        }
    }
}

// A full board of the argument's size: every cell framed and holding a piece, in a back buffer of
// the main window's size for that board.
void RepaintFullBoard(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    PixelImage image(30 * size + 50, 30 * size + 35, GetSysColor(COLOR_BTNFACE));
    CellFrame frame;
    frame.cellSize = 30;
    PiecePainter painter;
    painter.cellSize = 30;
    for (auto _ : state) {
        DeviceContext dc(&image);
        PaintBoard(dc, frame, painter, size);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(RepaintFullBoard)->Arg(5)->Arg(10)->Arg(15)->Arg(20)->Unit(benchmark::kMicrosecond);

// The same under a paint context's work: the background erased first, then the board, the
// buttons, the stretched banner, the colour panel and the score.
void RepaintWholeWindow(benchmark::State& state)
{
    PixelImage image(WINDOW_WIDTH, WINDOW_HEIGHT);
    CellFrame frame;
    frame.cellSize = 30;
    PiecePainter painter;
    painter.cellSize = 30;
    ToolButton buttons[3];
    const int ids[3] = {IDB_DRAW_NEXT, IDB_UNDO, IDB_DELETE};
    for (int i = 0; i < 3; ++i) {
        buttons[i].LoadStateBitmap(ids[i], HOT_NORMAL);
        buttons[i].Place(2 + 30 * i, 605, 25, 25);
    }
    ToolButton banner;
    banner.LoadStateBitmap(IDB_BANNER, HOT_NORMAL);
    banner.sourceWidth = 40;
    banner.sourceHeight = 86;
    banner.Place(605, 0, 40, 574);
    const Rect panel{605, 579, 645, 599};
    ScoreDisplay score;
    SetRect(score.rect, 605, 608, 645, 627);
    score.value = 1234;
    for (auto _ : state) {
        DeviceContext dc(&image);
        dc.FillSolidRect(Rect{0, 0, WINDOW_WIDTH, WINDOW_HEIGHT}, GetSysColor(COLOR_BTNFACE));
        PaintBoard(dc, frame, painter);
        for (ToolButton& button : buttons) {
            button.Draw(dc, false);
        }
        banner.Draw(dc, true);
        dc.FillSolidRect(panel, PANEL_GREY);
        DrawColorSwatches(dc, panel, 7);
        dc.FillSolidRect(score.rect, Rgb(0, 0, 0));
        score.Draw(dc);
        dc.Draw3dRect(panel, Rgb(0, 0, 0), Rgb(255, 255, 255));
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(RepaintWholeWindow)->Unit(benchmark::kMicrosecond);

// One tick of the selection timer: the selected piece drawn jiggled through a client context
// that records what it touched.
void JiggleFrame(benchmark::State& state)
{
    PixelImage image(WINDOW_WIDTH, WINDOW_HEIGHT, GetSysColor(COLOR_BTNFACE));
    PiecePainter painter;
    painter.cellSize = 30;
    painter.color = PieceColors[4];
    painter.jiggleAngle = 0;
    Rect dirty{0, 0, 0, 0};
    for (auto _ : state) {
        DeviceContext dc(&image);
        dc.SetDirtyTracker(&dirty);
        painter.DrawPiece(dc, 11, 7, true);
        benchmark::DoNotOptimize(image.pixels.data());
        benchmark::DoNotOptimize(dirty);
    }
}
BENCHMARK(JiggleFrame);

} // namespace
