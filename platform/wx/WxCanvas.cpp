#include "platform/wx/WxCanvas.h"

#include "platform/Color.h"
#include "platform/Window.h"
#include "platform/wx/WxBackend.h"

#include <cairo.h>
#include <gdk/gdk.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

#include <cstdint>

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
#ifdef GDK_WINDOWING_WAYLAND
    // An X server sends a move with every crossing of a window's edge, and moves outside to the
    // window that holds the capture; a Wayland compositor tells only that the pointer came or
    // went. There the crossings are the moves the game goes by.
    if (GDK_IS_WAYLAND_DISPLAY(gdk_display_get_default())) {
        crossingMoves = true;
        Bind(wxEVT_ENTER_WINDOW, &WxCanvas::OnCrossing, this);
        Bind(wxEVT_LEAVE_WINDOW, &WxCanvas::OnCrossing, this);
    }
#endif
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &WxCanvas::OnCaptureLost, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &WxCanvas::OnThemeChanged, this);
    Bind(wxEVT_BUTTON, &WxCanvas::OnControl, this);
    Bind(wxEVT_CHECKBOX, &WxCanvas::OnControl, this);
    Bind(wxEVT_RADIOBUTTON, &WxCanvas::OnControl, this);
    Bind(wxEVT_CHOICE, &WxCanvas::OnControl, this);
    Bind(wxEVT_TEXT, &WxCanvas::OnControl, this);
}

WxCanvas::~WxCanvas()
{
    if (screen) {
        cairo_surface_destroy(screen);
    }
}

namespace {
// A back buffer pixel (0x00BBGGRR) as Cairo's RGB24 pixel (0x00RRGGBB).
std::uint32_t CairoPixel(ColorRef color)
{
    return (color & 0x0000FF00u) | ((color & 0xFFu) << 16) | ((color >> 16) & 0xFFu);
}
} // namespace

void WxCanvas::Resize(int width, int height)
{
    width = width > 0 ? width : 0;
    height = height > 0 ? height : 0;
    SetSize(width, height);
    if (screen && screenWidth == width && screenHeight == height) {
        return;
    }
    if (screen) {
        cairo_surface_destroy(screen);
        screen = nullptr;
    }
    screenWidth = width;
    screenHeight = height;
    Refresh(false);
}

cairo_surface_t* WxCanvas::Screen()
{
    if (screen) {
        return screen;
    }
    const int width = screenWidth > 0 ? screenWidth : 1;
    const int height = screenHeight > 0 ? screenHeight : 1;
    // An image made for the canvas's own window is one the display reads directly (shared
    // memory on X11); a plain one it would first copy into a staging buffer of its own.
    GdkWindow* own = GTKGetDrawingWindow();
    screen =
        own ? gdk_window_create_similar_image_surface(own, CAIRO_FORMAT_RGB24, width, height, 1)
            : nullptr;
    if (screen && (cairo_surface_status(screen) != CAIRO_STATUS_SUCCESS ||
                   cairo_surface_get_type(screen) != CAIRO_SURFACE_TYPE_IMAGE)) {
        cairo_surface_destroy(screen);
        screen = nullptr;
    }
    if (!screen) {
        screen = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    }
    const std::uint32_t face = CairoPixel(GetSchemeColor(scheme, COLOR_BTNFACE));
    unsigned char* data = cairo_image_surface_get_data(screen);
    const int stride = cairo_image_surface_get_stride(screen);
    for (int y = 0; y < height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            row[x] = face;
        }
    }
    cairo_surface_mark_dirty(screen);
    return screen;
}

void WxCanvas::Present(const Rect& area)
{
    if (!window) {
        return;
    }
    cairo_surface_t* copy = Screen();
    const PixelImage& buffer = window->GetBackBuffer();
    Rect inside = IntersectRect(area, Rect{0, 0, screenWidth, screenHeight});
    inside = IntersectRect(inside, Rect{0, 0, buffer.width, buffer.height});
    if (inside.IsEmpty()) {
        return;
    }
    cairo_surface_flush(copy);
    unsigned char* data = cairo_image_surface_get_data(copy);
    const int stride = cairo_image_surface_get_stride(copy);
    for (int y = inside.top; y < inside.bottom; ++y) {
        const ColorRef* from = buffer.pixels.data() + static_cast<std::size_t>(y) * buffer.width;
        auto* to = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = inside.left; x < inside.right; ++x) {
            to[x] = CairoPixel(from[x]);
        }
    }
    cairo_surface_mark_dirty_rectangle(copy, inside.left, inside.top, inside.Width(),
                                       inside.Height());
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
    // The toolkit's own context of this paint is clipped to the update region already: one copy
    // of the screen copy fills every updated rectangle, with no wx context built around it.
    cairo_t* context = GTKPaintContext();
    if (context) {
        cairo_save(context);
        cairo_set_source_surface(context, Screen(), 0, 0);
        // At a desktop scale of 2 or more each pixel of the screen copy covers a block of the
        // screen's; the toolkit's default filter would blend neighbouring pixels into a blur.
        cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
        cairo_paint(context);
        cairo_restore(context);
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
