#pragma once

#include <string>

class Menu;
class wxWindow;

// The few things the toolkit's ports do differently, each answered by the port the game is
// built for (gtk/: GTK on X11 and Wayland; portable/: wx's portable paths, on Windows). Nothing
// outside platform/wx learns which.
namespace WxToolkitPort {
// Settles what must be set before the toolkit starts.
void Prepare();

// Blocks until the toolkit has something to do (an event, a due timeout of its own) or for at
// most ms milliseconds, without handling anything: the caller's yield does that, filtered.
// False when it cannot wait so (the toolkit has work waiting already, or the port offers no such
// wait), so that the caller pauses briefly itself.
bool WaitForToolkit(int ms);

// Whether the pointer's crossings of a window's edge must stand in for the moves outside that
// the display server does not send (Wayland).
bool CrossingsStandForMoves();

// Lets a top-level window draw a frame for every size the display server answers with, where
// the server waits for one before it shows the window (Wayland).
void DrawOnEverySize(wxWindow& top);

// Gives a button with a stock id the label given (with "&" before its mnemonic), where the port
// would otherwise label it itself in another language. False where the port labels stock
// buttons from the toolkit's catalogue anyway.
bool SetStockButtonLabel(wxWindow& button, const std::string& label);
// The first wx id of the items the game adds to a window's system menu: the item of command id
// has the wx id SYSTEM_MENU_FIRST_ID + id, and choosing it reaches the window as that menu event.
constexpr int SYSTEM_MENU_FIRST_ID = 0x6000;

// Shows the items the game added to a window's system menu (those that are no system command)
// in the desktop's own window menu, where the desktop gives a window one (Windows); false where
// it does not (GTK's desktops show their own and nothing of the application's).
bool ShowSystemMenu(wxWindow& top, const Menu& menu);
} // namespace WxToolkitPort
