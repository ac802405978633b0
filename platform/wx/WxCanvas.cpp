#include "platform/wx/WxCanvas.h"

#include "platform/Color.h"
#include "platform/Window.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxToolkitPort.h"

WxCanvas::WxCanvas(wxWindow* parent, WxBackend& backend, Window& window, const wxPoint& position,
                   const wxSize& size)
    : wxPanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE), backend(backend),
      window(&window), scheme(window.GetColorScheme())
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Resize(size.x, size.y);
    Bind(wxEVT_PAINT, &WxCanvas::OnPaint, this);
    Bind(wxEVT_MOTION, &WxCanvas::OnMouse, this);
    Bind(wxEVT_LEFT_DOWN, &WxCanvas::OnMouse, this);
    // Two quick clicks come as a button-down and a double click: both are button-downs.
    Bind(wxEVT_LEFT_DCLICK, &WxCanvas::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &WxCanvas::OnMouse, this);
    // An X server sends a move with every crossing of a window's edge, and moves outside to the
    // window that holds the capture; a Wayland compositor tells only that the pointer came or
    // went. There the crossings are the moves the game goes by.
    if (WxToolkitPort::CrossingsStandForMoves()) {
        crossingMoves = true;
        Bind(wxEVT_ENTER_WINDOW, &WxCanvas::OnCrossing, this);
        Bind(wxEVT_LEAVE_WINDOW, &WxCanvas::OnCrossing, this);
    }
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &WxCanvas::OnCaptureLost, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &WxCanvas::OnThemeChanged, this);
    Bind(wxEVT_BUTTON, &WxCanvas::OnControl, this);
    Bind(wxEVT_CHECKBOX, &WxCanvas::OnControl, this);
    Bind(wxEVT_RADIOBUTTON, &WxCanvas::OnControl, this);
    Bind(wxEVT_CHOICE, &WxCanvas::OnControl, this);
    Bind(wxEVT_TEXT, &WxCanvas::OnControl, this);
}

void WxCanvas::Resize(int width, int height)
{
    width = width > 0 ? width : 0;
    height = height > 0 ? height : 0;
    SetSize(width, height);
    if (screen.Resize(width, height)) {
        Refresh(false);
    }
}

void WxCanvas::Present(const Rect& area)
{
    if (!window) {
        return;
    }
    const PixelImage& buffer = window->GetBackBuffer();
    Rect inside = IntersectRect(area, Rect{0, 0, screen.width, screen.height});
    inside = IntersectRect(inside, Rect{0, 0, buffer.width, buffer.height});
    if (inside.IsEmpty()) {
        return;
    }
    screen.Copy(*this, buffer, inside, GetSchemeColor(scheme, COLOR_BTNFACE));
    RefreshRect(wxRect(inside.left, inside.top, inside.Width(), inside.Height()), false);
    unpainted = true;
}

void WxCanvas::Flush()
{
    if (unpainted && IsShownOnScreen()) {
        Update();
    }
}

void WxCanvas::OnPaint(wxPaintEvent& /*event*/)
{
    screen.Paint(*this, GetSchemeColor(scheme, COLOR_BTNFACE));
    unpainted = false;
}

void WxCanvas::Post(MessageKind kind, unsigned id, int code, const wxMouseEvent* mouse)
{
    if (!window) {
        return;
    }
    Message message;
    message.target = window;
    message.kind = kind;
    message.id = id;
    message.code = code;
    if (mouse) {
        message.point = Point{mouse->GetX(), mouse->GetY()};
        message.flags =
            (mouse->LeftIsDown() ? MK_LBUTTON : 0) | (mouse->RightIsDown() ? MK_RBUTTON : 0) |
            (mouse->ShiftDown() ? MK_SHIFT : 0) | (mouse->ControlDown() ? MK_CONTROL : 0);
    }
    backend.Post(message);
}

void WxCanvas::OnMouse(wxMouseEvent& event)
{
    wxEventType type = event.GetEventType();
    if (type == wxEVT_MOTION) {
        Post(MSG_MOUSEMOVE, 0, 0, &event);
    } else if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK) {
        Post(MSG_LBUTTONDOWN, 0, 0, &event);
    } else if (type == wxEVT_RIGHT_UP) {
        Post(MSG_RBUTTONUP, 0, 0, &event);
    }
    // Clicks also move the focus, as the toolkit does by default.
    event.Skip(type == wxEVT_LEFT_DOWN);
}

void WxCanvas::OnCrossing(wxMouseEvent& event)
{
    event.Skip();
    if (event.GetEventType() == wxEVT_ENTER_WINDOW) {
        Post(MSG_MOUSEMOVE, 0, 0, &event);
        return;
    }
    // Gone: the window that holds the capture hears of a point outside its client area, where
    // it would have had the moves out there.
    if (window && ::GetCapture() == window) {
        wxMouseEvent outside(event);
        if (GetClientRect().Contains(event.GetPosition())) {
            outside.SetPosition(wxPoint(-1, -1));
        }
        Post(MSG_MOUSEMOVE, 0, 0, &outside);
    }
}

void WxCanvas::OnCaptureLost(wxMouseCaptureLostEvent& /*event*/)
{
    // Another window (a menu, a dialog) took the mouse: the window no longer holds the capture.
    if (window && ::GetCapture() == window) {
        ::ReleaseCapture();
    }
}

void WxCanvas::OnThemeChanged(wxSysColourChangedEvent& event)
{
    // A window on the theme's colours is erased in the new face and painted again; its controls
    // repaint themselves.
    if (window && scheme == ColorScheme::THEME) {
        window->Invalidate(true);
    }
    event.Skip();
}

void WxCanvas::OnControl(wxCommandEvent& event)
{
    wxEventType type = event.GetEventType();
    int code = BN_CLICKED;
    if (type == wxEVT_CHOICE) {
        code = CBN_SELCHANGE;
    } else if (type == wxEVT_TEXT) {
        code = EN_CHANGE;
    }
    if (event.GetId() >= 0) {
        Post(MSG_COMMAND, static_cast<unsigned>(event.GetId()), code, nullptr);
    }
}
