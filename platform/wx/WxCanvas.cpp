#include "platform/wx/WxCanvas.h"

#include "platform/Color.h"
#include "platform/Window.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxImages.h"

#include <wx/dcclient.h>
#include <wx/region.h>

WxCanvas::WxCanvas(wxWindow* parent, WxBackend& backend, Window& window, const wxPoint& position,
                   const wxSize& size)
    : wxPanel(parent, wxID_ANY, position, size, wxTAB_TRAVERSAL | wxBORDER_NONE), backend(backend),
      window(&window)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Resize(size.x, size.y);
    Bind(wxEVT_PAINT, &WxCanvas::OnPaint, this);
    Bind(wxEVT_MOTION, &WxCanvas::OnMouse, this);
    Bind(wxEVT_LEFT_DOWN, &WxCanvas::OnMouse, this);
    // Two quick clicks come as a button-down and a double click: both are button-downs.
    Bind(wxEVT_LEFT_DCLICK, &WxCanvas::OnMouse, this);
    Bind(wxEVT_RIGHT_UP, &WxCanvas::OnMouse, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &WxCanvas::OnCaptureLost, this);
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
    if (screen.IsOk() && screen.GetWidth() == width && screen.GetHeight() == height) {
        return;
    }
    ColorRef face = GetSysColor(COLOR_BTNFACE);
    screen.Create(width > 0 ? width : 1, height > 0 ? height : 1, false);
    screen.SetRGB(wxRect(0, 0, screen.GetWidth(), screen.GetHeight()),
                  static_cast<unsigned char>(GetRValue(face)),
                  static_cast<unsigned char>(GetGValue(face)),
                  static_cast<unsigned char>(GetBValue(face)));
    Refresh(false);
}

void WxCanvas::Present(const Rect& area)
{
    if (!window) {
        return;
    }
    const PixelImage& buffer = window->GetBackBuffer();
    Rect inside = IntersectRect(area, Rect{0, 0, screen.GetWidth(), screen.GetHeight()});
    inside = IntersectRect(inside, Rect{0, 0, buffer.width, buffer.height});
    if (inside.IsEmpty()) {
        return;
    }
    WxImages::CopyArea(buffer, inside, screen);
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
    wxPaintDC dc(this);
    wxRect bounds(0, 0, screen.GetWidth(), screen.GetHeight());
    for (wxRegionIterator it(GetUpdateRegion()); it; ++it) {
        wxRect area = it.GetRect().Intersect(bounds);
        if (area.IsEmpty()) {
            continue;
        }
        wxBitmap part(screen.GetSubImage(area));
        dc.DrawBitmap(part, area.x, area.y, false);
    }
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

void WxCanvas::OnCaptureLost(wxMouseCaptureLostEvent& /*event*/)
{
    // Another window (a menu, a dialog) took the mouse: the window no longer holds the capture.
    if (window && ::GetCapture() == window) {
        ::ReleaseCapture();
    }
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
