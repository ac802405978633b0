#pragma once

#include "platform/Keys.h"

// Menu flags, as AppendMenu, EnableMenuItem and the templates use them.
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_ENABLED = 0x0000;
constexpr unsigned MF_BYCOMMAND = 0x0000;
constexpr unsigned MF_GRAYED = 0x0001;
constexpr unsigned MF_DISABLED = 0x0002;
constexpr unsigned MF_CHECKED = 0x0008;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_BYPOSITION = 0x0400;
constexpr unsigned MF_SEPARATOR = 0x0800;

// A menu as data: a popup item holds its items in subItems.
struct MenuItemTemplate
{
    const char* text; // nullptr for a separator
    unsigned id;      // the command; 0 for popups and separators
    unsigned flags;   // MF_POPUP, MF_SEPARATOR, MF_GRAYED
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
