#pragma once

#include "platform/Geometry.h"

struct DialogTemplate;
class Window;
class WindowPeer;

enum PeerKind
{
    PEER_DIALOG, // a top-level window built from its template
    PEER_SHEET,  // a property sheet: tabs, OK, Cancel and Apply; no template
    PEER_PAGE,   // a page inside a property sheet, built from its template
};

// What a toolkit has to provide: windows, their modal loops, message boxes, timers and the pause.
// The headless backend implements it for the tests, the wx backend for the real game. Everything
// else (message order, painting, data exchange, property sheets) is done above it, once.
//
// A backend turns the player's input into Messages posted to the MessageQueue, then lets the queue
// deliver (MessageQueue::DeliverAll; the queue itself holds back what a busy window or a Sleep
// must not see): mouse moves, left button-downs (a double click as one more) and right
// button-ups in client coordinates, only over the client area or for the window holding the
// capture; menu items as MSG_COMMAND; every key press of the active window as MakeKeyMessage
// (platform/KeyRoute.h) makes it, whatever control has the focus (Escape, Enter, Alt+F4, the
// menu's shortcuts and the keys the window wants; the rest stays with the toolkit, and so does
// every key while a menu is open); the close box as MSG_SYSCOMMAND SC_CLOSE; a real control the
// player clicked or changed as MSG_COMMAND with BN_CLICKED or CBN_SELCHANGE (the toolkit has
// changed the control already); a property sheet's tab as MSG_SELECT_TAB. The MSG_CONTROL_*
// messages are for backends without real controls.
class Backend
{
public:
    virtual ~Backend() = default;

    // Makes the window's peer with the controls of the template; the parent is the owner (or the
    // sheet of a page). nullptr when the toolkit cannot.
    virtual WindowPeer* CreatePeer(Window& window, const DialogTemplate* dialogTemplate,
                                   Window* parent, PeerKind kind) = 0;
    virtual void DestroyPeer(Window& window, WindowPeer* peer) = 0;

    // Runs the window's modal loop until EndModal is called for it; returns that result. The
    // window exists and has been initialised.
    virtual int RunModal(Window& window) = 0;
    virtual void EndModal(Window& window, int result) = 0;

    virtual int MessageBox(Window* owner, const char* text, const char* caption, unsigned type) = 0;

    // The backend posts MSG_TIMER to the message queue every period; the queue keeps at most one
    // tick per timer waiting.
    virtual void StartTimer(Window& window, unsigned id, unsigned ms) = 0;
    virtual void StopTimer(Window& window, unsigned id) = 0;

    // The pause of Sleep, after the dirty areas were presented: handles no message of the game.
    virtual void Wait(unsigned ms) = 0;

    virtual Rect GetDesktopRect() const = 0;
    // The window rectangle for a client rectangle, with the frame of that style (and a menu bar).
    virtual void AdjustWindowRect(Rect& rect, unsigned style, bool menu) const = 0;
    virtual int GetSystemMetrics(int index) const = 0;

    // A message was posted or a region invalidated: a real event loop should look at the queue
    // soon.
    virtual void RequestDelivery() {}
};

// The backend in use. Installing another one does not touch existing windows.
void SetBackend(Backend* backend);
Backend* GetBackend();
