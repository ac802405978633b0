#pragma once

#include "platform/Message.h"

#include <deque>
#include <vector>

// The messages that wait for their windows, shared by every backend. A message goes to its window
// only when no handler of that window is running; messages of one window keep their order. The
// paint message of a window comes only when nothing else is waiting for it, and what handlers
// drew is presented after each of them.
class MessageQueue
{
public:
    static MessageQueue& Get();

    // Queues a message for a living window (others are dropped) and tells the backend. A timer
    // tick is dropped when a tick of the same timer already waits.
    void Post(const Message& message);
    // A killed timer's waiting tick goes away with it.
    void RemoveTimer(const Window* window, unsigned id);

    void AddWindow(Window* window);
    // Drops the window's waiting messages; its capture and timers are the window's business.
    void RemoveWindow(Window* window);
    bool IsLiving(const Window* window) const;

    // Delivers the first message whose window is free, or else a paint; then presents what was
    // drawn. False when nothing could be delivered (or during Sleep).
    bool DeliverOne();
    void DeliverAll();
    bool HasDeliverable() const;
    int PendingCount() const { return static_cast<int>(pending.size()); }

    void PresentAll();

    // Handlers running right now, over all windows (nested modal loops stack them).
    int HandlerDepth() const { return depth; }
    void EnterHandler() { ++depth; }
    void LeaveHandler() { --depth; }
    // While Sleep pauses nothing is delivered.
    bool IsSleeping() const { return sleeping; }
    void SetSleeping(bool value) { sleeping = value; }

    // Forgets every message and window (a new test, a new backend).
    void Reset();

private:
    std::deque<Message> pending;
    std::vector<Window*> windows;
    int depth = 0;
    bool sleeping = false;
};
