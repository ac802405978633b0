#include "platform/Color.h"

#include <array>

namespace {
// Room for every index of SysColor.
constexpr int SYS_COLOR_COUNT = COLOR_3DLIGHT + 1;

std::array<ColorRef, SYS_COLOR_COUNT> ClassicTable()
{
    std::array<ColorRef, SYS_COLOR_COUNT> table{};
    for (int i = 0; i < SYS_COLOR_COUNT; ++i) {
        table[static_cast<std::size_t>(i)] = GetSysColor(i);
    }
    return table;
}

std::array<ColorRef, SYS_COLOR_COUNT>& ThemeTable()
{
    static std::array<ColorRef, SYS_COLOR_COUNT> table = ClassicTable();
    return table;
}
} // namespace

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

ColorRef GetThemeSysColor(int index)
{
    if (index < 0 || index >= SYS_COLOR_COUNT) {
        return GetSysColor(index);
    }
    return ThemeTable()[static_cast<std::size_t>(index)];
}

void SetThemeSysColor(int index, ColorRef color)
{
    if (index >= 0 && index < SYS_COLOR_COUNT) {
        ThemeTable()[static_cast<std::size_t>(index)] = color;
    }
}

void ResetThemeSysColors()
{
    ThemeTable() = ClassicTable();
}

ColorRef GetSchemeColor(ColorScheme scheme, int index)
{
    return scheme == ColorScheme::CLASSIC ? GetSysColor(index) : GetThemeSysColor(index);
}
