#include "app/HotArea.h"

bool HotArea::HitTest(Point point)
{
    if (state == HOT_DISABLED) {
        return false;
    }
    const int previous = state;
    state = PtInRect(rect, point) ? HOT_HOVERED : HOT_NORMAL;
    return state != previous;
}

bool HotArea::SetEnabled(bool enabled)
{
    const int previous = state;
    state = enabled ? HOT_NORMAL : HOT_DISABLED;
    return state != previous;
}
