#include "GuiHarness.h"
#include "TestWindow.h"

#include "platform/ClientDC.h"
#include "platform/Desktop.h"
#include "platform/Sleep.h"
#include "platform/wx/WxBackend.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

// Figures of the real backend, printed, not tested: how long Sleep really pauses, and what it
// costs to bring drawing to the screen. Run it under Xvfb (see tests/gui/run-under-xvfb.sh), best
// from an optimised build.
namespace {
using Clock = std::chrono::steady_clock;

struct Figures
{
    double mean;
    double worst;
};

Figures Time(int count, const std::function<void(int)>& work)
{
    double total = 0;
    double worst = 0;
    for (int i = 0; i < count; ++i) {
        Clock::time_point start = Clock::now();
        work(i);
        double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        total += ms;
        worst = std::max(worst, ms);
    }
    return Figures{total / count, worst};
}

void SleepAccuracy(int count, unsigned nominal)
{
    Figures f = Time(count, [&](int) { Sleep(nominal); });
    std::printf("Sleep(%u) x %d: mean %.3f ms (%+.1f %%), worst %.3f ms\n", nominal, count, f.mean,
                (f.mean - nominal) * 100.0 / nominal, f.worst);
}

// Draws a changed area through a client context, then puts it on the screen as a Sleep does
// before pausing, and waits until the X server has it.
void Presenting(TestWindow& window, const char* what, Rect area, int count)
{
    Figures f = Time(count, [&](int i) {
        {
            ClientDC dc(window);
            dc.FillSolidRect(area, i % 2 ? Rgb(0, 0, 255) : Rgb(255, 255, 0));
        }
        Sleep(0);
        gui::SyncWithServer();
    });
    std::printf("present %s (%dx%d) x %d: mean %.3f ms, worst %.3f ms\n", what, area.Width(),
                area.Height(), count, f.mean, f.worst);
}
} // namespace

int main(int /*argc*/, char** argv)
{
    if (!gui::StartWx(argv[0])) {
        return gui::SKIPPED;
    }
    {
        WxBackend backend;
        SetResourceTable(&testwin::TestResources());
        TestWindow window;
        window.Create();
        Rect frame{0, 0, 650, 635};
        AdjustWindowRect(frame, WS_POPUP | WS_CAPTION | WS_SYSMENU, true);
        OffsetRect(frame, 20 - frame.left, 20 - frame.top);
        window.MoveWindow(frame);
        gui::WaitShown(window);
        gui::RunFor(200);

        SleepAccuracy(200, 3);
        SleepAccuracy(50, 25);
        Presenting(window, "one cell", Rect{300, 300, 330, 330}, 200);
        Presenting(window, "the whole window", Rect{0, 0, 650, 635}, 50);
        window.DestroyWindow();
        SetResourceTable(nullptr);
    }
    gui::StopWx();
    return 0;
}
