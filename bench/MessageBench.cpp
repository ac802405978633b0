#include "platform/ClientDC.h"
#include "platform/Desktop.h"
#include "platform/Dialog.h"
#include "platform/MessageQueue.h"
#include "platform/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

namespace {

const DialogTemplate boardWindow{1,  "Bench", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                 0,  0,       "MS Serif",
                                 8,  0,       0,
                                 10, 10,      nullptr,
                                 0};

// A window with the client area of the largest board (650 by 635 pixels).
struct LargestWindow
{
    LargestWindow() : window(&boardWindow)
    {
        window.Create();
        Rect frame{0, 0, 650, 635};
        AdjustWindowRect(frame, boardWindow.style, false);
        window.MoveWindow(0, 0, frame.Width(), frame.Height(), false);
        headless.Pump();
    }
    HeadlessBackend headless;
    Dialog window;
};

// One cell drawn through a client context and presented, as an animation frame does before its
// Sleep.
void PresentOneCell(benchmark::State& state)
{
    LargestWindow w;
    ColorRef color = 0;
    for (auto _ : state) {
        {
            ClientDC dc(w.window);
            dc.FillSolidRect(Rect{300, 300, 330, 330}, ++color);
        }
        MessageQueue::Get().PresentAll();
    }
}
BENCHMARK(PresentOneCell);

// The whole client area drawn and presented.
void PresentWholeWindow(benchmark::State& state)
{
    LargestWindow w;
    ColorRef color = 0;
    for (auto _ : state) {
        {
            ClientDC dc(w.window);
            dc.FillSolidRect(Rect{0, 0, 650, 635}, ++color);
        }
        MessageQueue::Get().PresentAll();
    }
}
BENCHMARK(PresentWholeWindow);

// A mouse move queued and delivered to a window that does nothing with it.
void DeliverMouseMove(benchmark::State& state)
{
    LargestWindow w;
    int x = 0;
    for (auto _ : state) {
        w.headless.MouseMove(w.window, Point{x, 10});
        x = (x + 1) % 650;
    }
}
BENCHMARK(DeliverMouseMove);

} // namespace
