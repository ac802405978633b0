#include "app/ToolButton.h"

#include "platform/DeviceContext.h"
#include "res/Art.h"

void ToolButton::Place(int x, int y, int width, int height)
{
    SetRect(rect, x, y, x + width, y + height);
}

bool ToolButton::LoadStateBitmap(int id, int forState)
{
    Bitmap* bitmap = StateBitmap(forState);
    if (bitmap == nullptr) {
        return false;
    }
    const char* const* xpm = FindBitmapXpm(id);
    if (xpm == nullptr) {
        return false;
    }
    return bitmap->LoadXpm(xpm);
}

void ToolButton::Draw(DeviceContext& dc, bool stretch)
{
    Bitmap* bitmap = StateBitmap(state);
    if (bitmap == nullptr) {
        return;
    }
    DeviceContext memory;
    memory.CreateCompatibleDC(&dc);
    Bitmap* previous = memory.SelectObject(bitmap);
    if (stretch) {
        dc.StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, sourceWidth,
                      sourceHeight, SRCCOPY);
    } else {
        dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, SRCCOPY);
    }
    memory.SelectObject(previous);
}

Bitmap* ToolButton::StateBitmap(int forState)
{
    switch (forState) {
    case HOT_HOVERED:
        return &hoverBitmap;
    case HOT_NORMAL:
        return &normalBitmap;
    case HOT_DISABLED:
        return &disabledBitmap;
    default:
        return nullptr;
    }
}
