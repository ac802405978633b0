#include "platform/wx/WxTimer.h"

#include "platform/Message.h"
#include "platform/wx/WxBackend.h"

void WxTimer::StartFor(Window& owner, unsigned timerId, unsigned ms)
{
    window = &owner;
    id = timerId;
    Start(static_cast<int>(ms), wxTIMER_CONTINUOUS);
}

void WxTimer::Notify()
{
    if (!window) {
        return;
    }
    Message tick;
    tick.target = window;
    tick.kind = MSG_TIMER;
    tick.id = id;
    backend.Post(tick);
}
