#pragma once

#include <wx/timer.h>

class WxBackend;
class Window;

// One running timer of a window: every period it posts the window's timer message. Timers are
// kept and restarted rather than made anew, so that setting a timer during play allocates
// nothing after its first time.
class WxTimer : public wxTimer
{
public:
    explicit WxTimer(WxBackend& backend) : backend(backend) {}
    ~WxTimer() override = default;

    void StartFor(Window& owner, unsigned timerId, unsigned ms);
    void Notify() override;

    Window* window = nullptr;
    unsigned id = 0;

private:
    WxBackend& backend;
};
