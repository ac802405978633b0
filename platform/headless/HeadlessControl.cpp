#include "platform/headless/HeadlessControl.h"

HeadlessControl::HeadlessControl(int id, ControlKind kind, unsigned style, const char* initialText,
                                 const Rect& rect)
    : id(id), kind(kind), style(style), text(initialText ? initialText : ""),
      enabled(!(style & WS_DISABLED)), visible((style & WS_VISIBLE) != 0), rect(rect)
{
    // Room for any status text, so that showing one during play allocates nothing.
    text.reserve(64);
}

void HeadlessControl::InsertString(int index, const char* entry)
{
    strings.insert(strings.begin() + index, entry);
}

void HeadlessControl::DeleteString(int index)
{
    strings.erase(strings.begin() + index);
}

void HeadlessControl::SetRange(int minimum, int maximum)
{
    rangeMin = minimum;
    rangeMax = maximum;
}
