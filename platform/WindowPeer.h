#pragma once

#include "platform/Geometry.h"

class ControlPeer;
class Cursor;
class Icon;
class Menu;

// A window as a backend shows it: a real toolkit window, or an object the tests can read.
// The neutral Window keeps the back buffer, the update region, the menus and the timers; the peer
// shows them.
class WindowPeer
{
public:
    virtual ~WindowPeer() = default;

    virtual void SetTitle(const char* title) = 0;
    // The whole window, frame included, in desktop coordinates.
    virtual void Move(const Rect& windowRect) = 0;
    virtual Rect GetWindowRect() const = 0;
    // Always (0, 0, client width, client height).
    virtual Rect GetClientRect() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsIconic() const = 0;

    // Copies the area of the window's back buffer to the screen.
    virtual void Present(const Rect& area) = 0;

    virtual void SetCursor(const Cursor* cursor) = 0;
    virtual void SetIcon(const Icon* icon, bool big) = 0;
    virtual void SetCapture(bool capture) = 0;
    // The menu bar or the system menu changed (an item added, enabled or grayed).
    virtual void MenuChanged(const Menu& menu) = 0;

    // The controls, in template order.
    virtual int GetControlCount() const = 0;
    virtual ControlPeer* GetControl(int index) = 0;

    // Property sheets: bring the tab of that page to the front.
    virtual void SetActiveTab(int index) = 0;
};
