#include "platform/Desktop.h"

#include "platform/Backend.h"

Rect GetDesktopRect()
{
    Backend* backend = GetBackend();
    return backend ? backend->GetDesktopRect() : Rect{0, 0, 0, 0};
}

void AdjustWindowRect(Rect& rect, unsigned style, bool menu)
{
    if (Backend* backend = GetBackend()) {
        backend->AdjustWindowRect(rect, style, menu);
    }
}

int GetSystemMetrics(int index)
{
    Backend* backend = GetBackend();
    return backend ? backend->GetSystemMetrics(index) : 0;
}
