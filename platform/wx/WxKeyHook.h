#pragma once

class WxBackend;
typedef struct _GdkEventKey GdkEventKey;
typedef struct _GtkWidget GtkWidget;

// Hands every key press of the game's windows to RouteKey before any widget sees it, whatever
// holds the keyboard focus: GTK gives a key to the focused widget only, and after Tab has wrapped
// past the last control, a modal window has closed or a menu has taken the focus, a window may
// have no focused widget at all, so that its keys would reach no handler of the game. Keys of an
// open menu or of a window that is not the game's (a message box) go on to the toolkit.
class WxKeyHook
{
public:
    explicit WxKeyHook(WxBackend& backend);
    ~WxKeyHook();

    WxKeyHook(const WxKeyHook&) = delete;
    WxKeyHook& operator=(const WxKeyHook&) = delete;

    // The game's key (platform/Keys.h) of a GDK key value; 0 for none.
    static unsigned KeyOf(unsigned keyval);

private:
    // The GTK key snooper: true when the key went to the game.
    static int Snoop(GtkWidget* grab, GdkEventKey* event, void* hook);

    WxBackend& backend;
    unsigned id = 0;
};
