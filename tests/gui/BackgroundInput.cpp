#include "BackgroundInput.h"

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
    return Library().motion && Library().button && Library().key;
}

void BackgroundInput::ClickEach(std::vector<Point> points, int startDelayMs, int intervalMs)
{
    Join();
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
