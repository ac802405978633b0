#pragma once

#include "platform/Message.h"

class Window;

// Where a key press goes. One rule for every backend: the backends only translate the toolkit's
// key events into the game's keys (platform/Keys.h) and say what they know of the moment.
enum class KeyRoute
{
    TOOLKIT,        // the toolkit's own: an open menu, the focused control, Tab between controls
    CANCEL,         // Escape: the Cancel button (MSG_KEY_ESCAPE)
    DEFAULT_BUTTON, // Enter: the default push button (MSG_KEY_ENTER)
    CLOSE,          // Alt+F4: the close command
    MENU_COMMAND,   // a shortcut of the window's menu; run while its item is enabled
    WINDOW,         // a key the window wants for itself (Window::WantsKey)
};

// What the backend knows when a key arrives for a window.
struct KeyContext
{
    // A menu, or a drop-down list's popup, has the keyboard: every key is the menu's, Escape
    // closes it and nothing else.
    bool menuOpen = false;
    // A push button has the focus: Enter presses that button, as Space does.
    bool buttonFocused = false;
};

// The route of a key (with FSHIFT, FCONTROL and FALT) pressed while the window is the active one.
KeyRoute RouteKey(const Window& window, unsigned key, unsigned modifiers,
                  const KeyContext& context);

// The message the key becomes for the window; false when the key stays with the toolkit.
bool MakeKeyMessage(Window& window, unsigned key, unsigned modifiers, const KeyContext& context,
                    Message& message);
