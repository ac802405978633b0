#include "Seat.h"

#include "GuiHarness.h"
#include "WaylandInput.h"

#include <gdk/gdk.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif
#include <wx/uiaction.h>

#include <cctype>

namespace gui {
namespace {
wxUIActionSimulator& X11()
{
    // Making one takes a while, so the suite keeps the first.
    static wxUIActionSimulator simulator;
    return simulator;
}

// What Wayland input has sent reaches the program's connection, and its handlers run.
// GTK hands pointer moves over at the window's next frame, which on Wayland waits for the
// compositor.
bool Settle(bool sent)
{
    RunFor(15);
    WaitFrames();
    return sent;
}

// The program takes each press before its release, as from a hand: a menu opened by a press
// then gets the release, as it expects.
bool WaylandClick(int button, int count)
{
    WaylandInput* input = WaylandInput::Get();
    const int number = button == wxMOUSE_BTN_RIGHT ? 3 : button == wxMOUSE_BTN_MIDDLE ? 2 : 1;
    bool sent = input != nullptr;
    for (int i = 0; i < count; ++i) {
        sent = sent && Settle(input->Button(number, true)) && Settle(input->Button(number, false));
    }
    return sent;
}
} // namespace

bool OnWayland()
{
#ifdef GDK_WINDOWING_WAYLAND
    GdkDisplay* display = gdk_display_get_default();
    return display && GDK_IS_WAYLAND_DISPLAY(display);
#else
    return false;
#endif
}

unsigned long KeySymbolOf(int keyCode)
{
    static const struct
    {
        int code;
        unsigned long symbol;
    } named[] = {
        {WXK_RETURN, 0xff0d},   {WXK_ESCAPE, 0xff1b},        {WXK_TAB, 0xff09},
        {WXK_BACK, 0xff08},     {WXK_DELETE, 0xffff},        {WXK_LEFT, 0xff51},
        {WXK_UP, 0xff52},       {WXK_RIGHT, 0xff53},         {WXK_DOWN, 0xff54},
        {WXK_HOME, 0xff50},     {WXK_END, 0xff57},           {WXK_PAGEUP, 0xff55},
        {WXK_PAGEDOWN, 0xff56}, {WXK_NUMPAD_DELETE, 0xff9f}, {WXK_SPACE, 0x20},
    };
    for (const auto& key : named) {
        if (key.code == keyCode) {
            return key.symbol;
        }
    }
    if (keyCode >= WXK_F1 && keyCode <= WXK_F12) {
        return 0xffbe + static_cast<unsigned long>(keyCode - WXK_F1);
    }
    // Letters are named by their key, which types the small letter.
    return keyCode > 0x20 && keyCode < 0x7f
               ? static_cast<unsigned long>(std::tolower(static_cast<unsigned char>(keyCode)))
               : 0;
}

std::vector<unsigned long> ModifierSymbols(int modifiers)
{
    std::vector<unsigned long> held;
    if (modifiers & wxMOD_CONTROL) {
        held.push_back(0xffe3);
    }
    if (modifiers & wxMOD_ALT) {
        held.push_back(0xffe9);
    }
    if (modifiers & wxMOD_SHIFT) {
        held.push_back(0xffe1);
    }
    return held;
}

bool Seat::MouseMove(long x, long y)
{
    if (!OnWayland()) {
        return X11().MouseMove(x, y);
    }
    // A hand's last step is a move within the window it came into: the compositor's word that
    // the pointer came in can be lost on the toolkit's side (after a dialog under the pointer
    // closed), its moves are not.
    WaylandInput* input = WaylandInput::Get();
    return input && Settle(input->MoveTo(static_cast<int>(x) - 1, static_cast<int>(y))) &&
           Settle(input->MoveTo(static_cast<int>(x), static_cast<int>(y)));
}

bool Seat::MouseClick(int button)
{
    return OnWayland() ? WaylandClick(button, 1) : X11().MouseClick(button);
}

bool Seat::MouseDblClick()
{
    return OnWayland() ? WaylandClick(wxMOUSE_BTN_LEFT, 2) : X11().MouseDblClick();
}

bool Seat::Char(int keyCode, int modifiers)
{
    if (!OnWayland()) {
        return X11().Char(keyCode, modifiers);
    }
    WaylandInput* input = WaylandInput::Get();
    return Settle(input && input->Press(KeySymbolOf(keyCode), ModifierSymbols(modifiers)));
}

bool Seat::Text(const char* text)
{
    if (!OnWayland()) {
        return X11().Text(text);
    }
    bool sent = true;
    for (const char* c = text; *c; ++c) {
        const bool upper = std::isupper(static_cast<unsigned char>(*c)) != 0;
        sent = sent && Char(*c, upper ? wxMOD_SHIFT : wxMOD_NONE);
    }
    return sent;
}
} // namespace gui
