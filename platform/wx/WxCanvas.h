#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Message.h"
#include "platform/wx/WxScreenCopy.h"

#include <wx/panel.h>

class WxBackend;
class Window;

// The client area of a window on the screen. It shows the window's back buffer as last presented
// (and nothing else: repainting it never runs a handler of the game), turns mouse input into the
// window's messages, and reports the commands of the controls placed on it, whose wx ids are the
// controls' ids.
class WxCanvas : public wxPanel
{
public:
    WxCanvas(wxWindow* parent, WxBackend& backend, Window& window, const wxPoint& position,
             const wxSize& size);

    // A new size: the screen copy starts over in the window's face colour.
    void Resize(int width, int height);
    // Copies the area of the window's back buffer to the screen copy and asks for a repaint.
    void Present(const Rect& area);
    // Repaints at once what was presented and is not on the screen yet.
    void Flush();
    bool HasUnpainted() const { return unpainted; }
    // Whether the pointer's crossings of the edge stand in for the moves outside that the display
    // server does not send (Wayland).
    bool HasCrossingMoves() const { return crossingMoves; }
    // The window is going away: from now on nothing is reported to it.
    void Detach() { window = nullptr; }
    // The colours of the window, for what the backend draws on the canvas itself.
    ColorScheme GetColorScheme() const { return scheme; }

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnCrossing(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnThemeChanged(wxSysColourChangedEvent& event);
    void OnControl(wxCommandEvent& event);
    void Post(MessageKind kind, unsigned id, int code, const wxMouseEvent* mouse);

    WxBackend& backend;
    Window* window;
    ColorScheme scheme;
    WxScreenCopy screen;
    bool unpainted = false;
    bool crossingMoves = false;
};
