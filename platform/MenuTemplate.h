#pragma once

#include "platform/Keys.h"

// Menu flags, as AppendMenu, EnableMenuItem and the templates use them.
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_ENABLED = 0x0000;
constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_UNCHECKED = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr unsigned MF_SEPARATOR = 0x0800;
// A template flag of our own: the item is an option the player turns on and off, so toolkits that
// tell such items apart show it with a check box from the start, ticked while MF_CHECKED.
constexpr unsigned MF_CHECKABLE = 0x10000;

// A menu as data: a popup item holds its items in subItems.
struct MenuItemTemplate
{
    const char* text; // nullptr for a separator
    unsigned id;      // the command; 0 for popups and separators
    unsigned flags;   // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKABLE, MF_CHECKED
    const MenuItemTemplate* subItems;
    int subCount;
    Accelerator accel = {}; // the shortcut, shown beside the text and kept apart from it
};

struct MenuTemplate
{
    int id;
    const MenuItemTemplate* items;
    int count;
};
