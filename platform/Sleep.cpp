#include "platform/Sleep.h"

#include "platform/Backend.h"
#include "platform/MessageQueue.h"

void Sleep(unsigned ms)
{
    MessageQueue& queue = MessageQueue::Get();
    queue.PresentAll();
    Backend* backend = GetBackend();
    if (!backend) {
        return;
    }
    bool wasSleeping = queue.IsSleeping();
    queue.SetSleeping(true);
    backend->Wait(ms);
    queue.SetSleeping(wasSleeping);
}
