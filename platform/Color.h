#pragma once

#include <cstdint>

// A colour as the game stores it: 0x00BBGGRR, red in the lowest byte.
using ColorRef = std::uint32_t;

// Not a colour: what reading a pixel outside the drawable image gives.
constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
           (static_cast<ColorRef>(blue & 0xFF) << 16);
}

constexpr int GetRValue(ColorRef color)
{
    return static_cast<int>(color & 0xFF);
}
constexpr int GetGValue(ColorRef color)
{
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int GetBValue(ColorRef color)
{
    return static_cast<int>((color >> 16) & 0xFF);
}

// Indices of the fixed system colour table (the classic grey scheme, whatever the desktop theme).
enum SysColor
{
    COLOR_WINDOW = 5,
    COLOR_WINDOWTEXT = 8,
    COLOR_INACTIVEBORDER = 11,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
};

// The colour of an entry of the table; black for an index the table does not hold.
ColorRef GetSysColor(int index);
