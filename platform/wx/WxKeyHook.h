#pragma once

class WxBackend;

// Hands every key press of the game's windows to RouteKey before any control sees it, whatever
// holds the keyboard focus: a toolkit gives a key to the focused control only, and after Tab has
// wrapped past the last control, a modal window has closed or a menu has taken the focus, a
// window may have no focused control at all, so that its keys would reach no handler of the
// game. Keys of an open menu or of a window that is not the game's (a message box) go on to the
// toolkit. Each port sees keys first in its own way (gtk/: GTK's key snooper; portable/: an
// event filter on the toolkit's key hook events).
class WxKeyHook
{
public:
    explicit WxKeyHook(WxBackend& backend);
    ~WxKeyHook();

    WxKeyHook(const WxKeyHook&) = delete;
    WxKeyHook& operator=(const WxKeyHook&) = delete;

    struct Port;

    WxBackend& backend;
    Port* port = nullptr;
};
