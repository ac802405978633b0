#pragma once

#include "platform/DialogTemplate.h"
#include "platform/MenuTemplate.h"

// The game's dialog templates (the main window, the About box, the three Preferences pages, the
// Players dialog, How to play), its menu and its string table, as data.

// nullptr for an id that is not one of the game's dialogs.
const DialogTemplate* FindDialogTemplate(int id);
// nullptr for an id that is not the game's menu.
const MenuTemplate* FindMenuTemplate(int id);
// nullptr for an id the string table does not hold.
const char* LoadResourceString(int id);
