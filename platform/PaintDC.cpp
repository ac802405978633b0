#include "platform/PaintDC.h"

#include "platform/Window.h"

PaintDC::PaintDC(Window* window)
    : DeviceContext(window && window->IsCreated() ? &window->GetBackBuffer() : nullptr)
{
    if (!window || !window->IsCreated()) {
        return;
    }
    SetDirtyTracker(&window->DirtyRect());
    int count = 0;
    const Rect* rects = window->GetUpdateRects(&count);
    SetClipRects(rects, count);
    for (int i = 0; i < count; ++i) {
        paintRect = UnionRect(paintRect, rects[i]);
    }
    if (count > 0 && window->GetUpdateErase()) {
        FillSolidRect(paintRect, window->GetFaceColor());
        erased = true;
    }
    window->ValidateAll();
}
