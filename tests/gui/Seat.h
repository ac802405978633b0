#pragma once

#include <wx/defs.h>
#include <wx/mousestate.h>

#include <vector>

// The keyboard and mouse of the display the suite runs on, as real input: the XTest extension
// under X11, and under Wayland a virtual keyboard and pointer of the compositor. Each call lets the
// event loop take the input in before it returns.
namespace gui {
// Whether the suite runs on a Wayland display.
bool OnWayland();

class Seat
{
public:
    bool MouseMove(long x, long y);
    bool MouseClick(int button = wxMOUSE_BTN_LEFT);
    bool MouseDblClick();
    // A key (a wx key code: WXK_ESCAPE, 'Q') pressed and released with the modifiers (wxMOD_*).
    bool Char(int keyCode, int modifiers = wxMOD_NONE);
    bool Text(const char* text);
};

// The X key symbol of a wx key code (which both displays' inputs are given), 0 for none.
unsigned long KeySymbolOf(int keyCode);
// The X key symbols of the modifier keys held for wxMOD_* flags.
std::vector<unsigned long> ModifierSymbols(int modifiers);
} // namespace gui
