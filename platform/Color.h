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

// Indices of the system colour tables: the fixed classic one and the active theme's.
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

// The colour of an entry of the fixed table, the classic grey scheme whatever the desktop theme:
// what the game paints itself comes in these. Black for an index the table does not hold.
ColorRef GetSysColor(int index);

// The colour of an entry as the desktop's active theme has it, for the windows whose ground the
// toolkit's controls sit on (dialogs, property sheets and their pages, message boxes): their
// text follows the theme, so their ground must too. The classic colours until a backend has read
// a theme; the headless backend never does.
ColorRef GetThemeSysColor(int index);
// The backend's reading of the theme, entry by entry; an index outside the table is ignored.
void SetThemeSysColor(int index, ColorRef color);
// Back to the classic colours (a backend going away).
void ResetThemeSysColors();

// Which table a window's ground, and what the backend draws on it, takes its colours from.
enum class ColorScheme
{
    THEME,   // the desktop's theme, like the toolkit's controls on it
    CLASSIC, // the fixed classic table: a window that paints itself in the game's colours
};

ColorRef GetSchemeColor(ColorScheme scheme, int index);
