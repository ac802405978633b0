#include "platform/ClientDC.h"

#include "platform/Window.h"

ClientDC::ClientDC(Window* window)
    : DeviceContext(window && window->IsCreated() ? &window->GetBackBuffer() : nullptr)
{
    if (window && window->IsCreated()) {
        SetDirtyTracker(&window->DirtyRect());
    }
}
