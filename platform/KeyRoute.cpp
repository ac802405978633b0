#include "platform/KeyRoute.h"

#include "platform/Keys.h"
#include "platform/Menu.h"
#include "platform/Window.h"

KeyRoute RouteKey(const Window& window, unsigned key, unsigned modifiers, const KeyContext& context)
{
    if (context.menuOpen) {
        return KeyRoute::TOOLKIT;
    }
    if (key == VK_ESCAPE && modifiers == 0) {
        return KeyRoute::CANCEL;
    }
    if (key == VK_RETURN && modifiers == 0) {
        return context.buttonFocused ? KeyRoute::TOOLKIT : KeyRoute::DEFAULT_BUTTON;
    }
    if (key == VK_F4 && modifiers == FALT) {
        // Without a window manager to turn Alt+F4 into a close request, the key itself arrives.
        return KeyRoute::CLOSE;
    }
    const Menu* menu = window.GetMenu();
    if (key != 0 && menu && menu->FindAccelerator(key, modifiers) != 0) {
        return KeyRoute::MENU_COMMAND;
    }
    if (key != 0 && window.WantsKey(key, modifiers)) {
        return KeyRoute::WINDOW;
    }
    return KeyRoute::TOOLKIT;
}

bool MakeKeyMessage(Window& window, unsigned key, unsigned modifiers, const KeyContext& context,
                    Message& message)
{
    message = Message{};
    message.target = &window;
    switch (RouteKey(window, key, modifiers, context)) {
    case KeyRoute::TOOLKIT:
        return false;
    case KeyRoute::CANCEL:
        message.kind = MSG_KEY_ESCAPE;
        return true;
    case KeyRoute::DEFAULT_BUTTON:
        message.kind = MSG_KEY_ENTER;
        return true;
    case KeyRoute::CLOSE:
        message.kind = MSG_SYSCOMMAND;
        message.id = SC_CLOSE;
        return true;
    case KeyRoute::MENU_COMMAND:
    case KeyRoute::WINDOW:
        // A shortcut is looked up again when the message is handled, so that a key that waited
        // for a handler meets the menu as that handler left it.
        message.kind = MSG_KEYDOWN;
        message.id = key;
        message.flags = modifiers;
        return true;
    }
    return false;
}
