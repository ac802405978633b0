#pragma once

#include "platform/Geometry.h"

#include <thread>
#include <vector>

// Real input made on a thread of its own, with its own connection to the display server, so that
// it arrives while the program's thread is busy (in a handler, or in Sleep). Under X11 it drives
// the XTest extension through the client library loaded at run time; under Wayland, the suite's
// virtual keyboard and pointer.
class BackgroundInput
{
public:
    BackgroundInput() = default;
    ~BackgroundInput() { Join(); }

    BackgroundInput(const BackgroundInput&) = delete;
    BackgroundInput& operator=(const BackgroundInput&) = delete;

    // Whether the display server can be given such input.
    static bool Available();
    // After startDelayMs, clicks at each screen point in turn, one every intervalMs.
    void ClickEach(std::vector<Point> points, int startDelayMs, int intervalMs);
    // The pointer moved to a screen point.
    void MoveTo(Point point);
    // A key pressed and released (an X key symbol, such as 0xff1b for Escape) while the held
    // keys (modifiers such as 0xffe3 for the left Control key) are down.
    void PressKey(unsigned long keySymbol, std::vector<unsigned long> held = {});
    void Join();

private:
    std::thread worker;
};
