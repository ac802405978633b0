#pragma once

#include "platform/Keys.h"

#include <wx/accel.h>

// The game's keys and modifiers (platform/Keys.h) as the toolkit's menu shortcuts.
class WxKeys
{
public:
    // The toolkit's shortcut for a menu item's; an invalid entry for none.
    static wxAcceleratorEntry ToWx(const Accelerator& accel);
};
