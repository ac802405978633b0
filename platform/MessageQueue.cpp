#include "platform/MessageQueue.h"

#include "platform/Backend.h"
#include "platform/Window.h"

#include <algorithm>

MessageQueue& MessageQueue::Get()
{
    static MessageQueue queue;
    return queue;
}

void MessageQueue::Post(const Message& message)
{
    if (!IsLiving(message.target)) {
        return;
    }
    if (message.kind == MSG_TIMER) {
        for (const Message& waiting : pending) {
            if (waiting.kind == MSG_TIMER && waiting.target == message.target &&
                waiting.id == message.id) {
                return;
            }
        }
    }
    pending.push_back(message);
    if (Backend* backend = GetBackend()) {
        backend->RequestDelivery();
    }
}

void MessageQueue::RemoveTimer(const Window* window, unsigned id)
{
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&](const Message& m) {
                                     return m.kind == MSG_TIMER && m.target == window && m.id == id;
                                 }),
                  pending.end());
}

void MessageQueue::AddWindow(Window* window)
{
    if (!IsLiving(window)) {
        windows.push_back(window);
    }
}

void MessageQueue::RemoveWindow(Window* window)
{
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&](const Message& m) { return m.target == window; }),
                  pending.end());
}

bool MessageQueue::IsLiving(const Window* window) const
{
    return window && std::find(windows.begin(), windows.end(), window) != windows.end();
}

bool MessageQueue::HasDeliverable() const
{
    if (sleeping) {
        return false;
    }
    for (const Message& m : pending) {
        if (!m.target->IsBusy()) {
            return true;
        }
    }
    for (const Window* w : windows) {
        if (!w->IsBusy() && w->HasUpdateRegion()) {
            return true;
        }
    }
    return false;
}

bool MessageQueue::DeliverOne()
{
    if (sleeping) {
        return false;
    }
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (!it->target->IsBusy()) {
            Message message = std::move(*it);
            pending.erase(it);
            message.target->Dispatch(message);
            PresentAll();
            return true;
        }
    }
    // Painting comes last, so that a window shows the result of all the input it has taken.
    for (size_t i = 0; i < windows.size(); ++i) {
        Window* w = windows[i];
        if (!w->IsBusy() && w->HasUpdateRegion()) {
            Message paint;
            paint.target = w;
            paint.kind = MSG_PAINT;
            w->Dispatch(paint);
            PresentAll();
            return true;
        }
    }
    return false;
}

void MessageQueue::DeliverAll()
{
    while (DeliverOne()) {
    }
}

void MessageQueue::PresentAll()
{
    for (size_t i = 0; i < windows.size(); ++i) {
        windows[i]->Present();
    }
}

void MessageQueue::Reset()
{
    pending.clear();
    windows.clear();
    depth = 0;
    sleeping = false;
}
