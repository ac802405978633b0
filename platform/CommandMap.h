#pragma once

class Window;

// A window routes commands (menu items, buttons, control notifications) through a static table
// of {id, notification code, member function} per class, which chains to the base class's table.
using CommandHandler = void (Window::*)();

struct CommandEntry
{
    int id;
    int code;
    CommandHandler handler;
};

struct CommandMap
{
    const CommandMap* base;
    const CommandEntry* entries;
    int count;
};

// A menu command or a button click (BN_CLICKED) handled by a member function of T.
template <class T>
constexpr CommandEntry MapCommand(int id, void (T::*handler)())
{
    return CommandEntry{id, 0, static_cast<CommandHandler>(handler)};
}

// A control notification with its own code (CBN_SELCHANGE, EN_CHANGE, ...).
template <class T>
constexpr CommandEntry MapNotify(int id, int code, void (T::*handler)())
{
    return CommandEntry{id, code, static_cast<CommandHandler>(handler)};
}
