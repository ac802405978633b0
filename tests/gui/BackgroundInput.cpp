#include "BackgroundInput.h"

#include "Seat.h"
#include "WaylandInput.h"

#include <X11/Xlib.h>
#include <dlfcn.h>

#include <chrono>
#include <utility>

namespace {
// The two calls of the XTest client library used here.
using FakeMotion = int (*)(Display*, int, int, int, unsigned long);
using FakeButton = int (*)(Display*, unsigned int, Bool, unsigned long);
using FakeKey = int (*)(Display*, unsigned int, Bool, unsigned long);

struct XTest
{
    FakeMotion motion = nullptr;
    FakeButton button = nullptr;
    FakeKey key = nullptr;
};

const XTest& Library()
{
    static XTest xtest = [] {
        XTest loaded;
        if (void* handle = dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL)) {
            loaded.motion = reinterpret_cast<FakeMotion>(dlsym(handle, "XTestFakeMotionEvent"));
            loaded.button = reinterpret_cast<FakeButton>(dlsym(handle, "XTestFakeButtonEvent"));
            loaded.key = reinterpret_cast<FakeKey>(dlsym(handle, "XTestFakeKeyEvent"));
        }
        return loaded;
    }();
    return xtest;
}
} // namespace

bool BackgroundInput::Available()
{
    if (gui::OnWayland()) {
        return WaylandInput::Get() != nullptr;
    }
    return Library().motion && Library().button && Library().key;
}

void BackgroundInput::ClickEach(std::vector<Point> points, int startDelayMs, int intervalMs)
{
    Join();
    if (WaylandInput* input = gui::OnWayland() ? WaylandInput::Get() : nullptr) {
        worker = std::thread([input, points, startDelayMs, intervalMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(startDelayMs));
            for (const Point& point : points) {
                input->MoveTo(point.x, point.y);
                input->Button(1, true);
                std::this_thread::sleep_for(std::chrono::milliseconds(15));
                input->Button(1, false);
                std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
            }
        });
        return;
    }
    worker = std::thread([points, startDelayMs, intervalMs] {
        const XTest& xtest = Library();
        Display* display = XOpenDisplay(nullptr);
        if (!display || !xtest.motion || !xtest.button) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(startDelayMs));
        for (const Point& point : points) {
            xtest.motion(display, -1, point.x, point.y, 0);
            xtest.button(display, 1, True, 0);
            xtest.button(display, 1, False, 0);
            XFlush(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs));
        }
        XSync(display, False);
        XCloseDisplay(display);
    });
}

void BackgroundInput::MoveTo(Point point)
{
    Join();
    if (WaylandInput* input = gui::OnWayland() ? WaylandInput::Get() : nullptr) {
        worker = std::thread([input, point] { input->MoveTo(point.x, point.y); });
        return;
    }
    worker = std::thread([point] {
        const XTest& xtest = Library();
        Display* display = XOpenDisplay(nullptr);
        if (!display || !xtest.motion) {
            return;
        }
        xtest.motion(display, -1, point.x, point.y, 0);
        XSync(display, False);
        XCloseDisplay(display);
    });
}

void BackgroundInput::PressKey(unsigned long keySymbol, std::vector<unsigned long> held)
{
    Join();
    if (WaylandInput* input = gui::OnWayland() ? WaylandInput::Get() : nullptr) {
        worker = std::thread(
            [input, keySymbol, held = std::move(held)] { input->Press(keySymbol, held); });
        return;
    }
    worker = std::thread([keySymbol, held = std::move(held)] {
        const XTest& xtest = Library();
        Display* display = XOpenDisplay(nullptr);
        if (!display || !xtest.key) {
            return;
        }
        for (unsigned long modifier : held) {
            xtest.key(display, XKeysymToKeycode(display, modifier), True, 0);
        }
        unsigned int code = XKeysymToKeycode(display, keySymbol);
        xtest.key(display, code, True, 0);
        xtest.key(display, code, False, 0);
        for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) {
            xtest.key(display, XKeysymToKeycode(display, *modifier), False, 0);
        }
        XSync(display, False);
        XCloseDisplay(display);
    });
}

void BackgroundInput::Join()
{
    if (worker.joinable()) {
        worker.join();
    }
}
