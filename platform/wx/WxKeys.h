#pragma once

#include "platform/Keys.h"

#include <wx/accel.h>

// The game's keys and modifiers (platform/Keys.h) against the toolkit's.
class WxKeys
{
public:
    // The game's code of a key event's key; 0 for a key the game has no code for.
    static unsigned FromWx(int keyCode);
    // The game's modifiers of a key event's (wxMOD_SHIFT, wxMOD_CONTROL, wxMOD_ALT).
    static unsigned ModifiersFromWx(int modifiers);
    // The toolkit's shortcut for a menu item's; an invalid entry for none.
    static wxAcceleratorEntry ToWx(const Accelerator& accel);
};
