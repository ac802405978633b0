#include "platform/Color.h"

// The classic grey scheme. The game paints its board and items in these colours on every
// desktop, whatever theme the user runs.
ColorRef GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW:
    case COLOR_BTNHIGHLIGHT:
        return Rgb(255, 255, 255);
    case COLOR_INACTIVEBORDER:
    case COLOR_BTNFACE:
    case COLOR_3DLIGHT:
        return Rgb(192, 192, 192);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
        return Rgb(128, 128, 128);
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
    case COLOR_3DDKSHADOW:
    default:
        return Rgb(0, 0, 0);
    }
}
