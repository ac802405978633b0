#include "platform/wx/WxToolkitPort.h"

#include <wx/window.h>

#include <glib.h>
#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

#include <algorithm>
#include <cstdlib>

namespace {
bool OnWayland()
{
#ifdef GDK_WINDOWING_WAYLAND
    return GDK_IS_WAYLAND_DISPLAY(gdk_display_get_default());
#else
    return false;
#endif
}

// A Wayland compositor shows a window at a size it asked for only once the window has drawn a
// frame after taking that size; GTK draws nothing when the size it is given is the one it has,
// and sway then waits its 200 ms before showing the window at all. A frame drawn for every such
// answer lets the window show at once.
gboolean DrawOnConfigure(GtkWidget* widget, GdkEvent* /*event*/, gpointer /*data*/)
{
    gtk_widget_queue_draw(widget);
    return FALSE;
}

// "&Yes" -> "_Yes": GTK marks the mnemonic with an underscore and doubles a literal one.
std::string GtkMnemonics(const std::string& label)
{
    std::string converted;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') {
                converted += '&';
                ++i;
            } else {
                converted += '_';
            }
        } else if (label[i] == '_') {
            converted += "__";
        } else {
            converted += label[i];
        }
    }
    return converted;
}
} // namespace

void WxToolkitPort::Prepare()
{
    // The game draws nothing with OpenGL, yet GTK loads the whole GL stack at start-up to choose
    // its visuals, which on a software renderer costs tens of megabytes and milliseconds. A
    // player's own GDK_GL setting is kept.
    setenv("GDK_GL", "disable", 0);
}

bool WxToolkitPort::WaitForToolkit(int ms)
{
    GMainContext* context = g_main_context_default();
    if (!g_main_context_acquire(context)) {
        return false;
    }
    gint priority = 0;
    g_main_context_prepare(context, &priority);
    GPollFD fds[64];
    gint timeout = -1;
    const gint count =
        std::min<gint>(g_main_context_query(context, priority, &timeout, fds, 64), 64);
    const bool block = timeout != 0;
    if (block) {
        g_poll(fds, static_cast<guint>(count), timeout < 0 ? ms : std::min<gint>(timeout, ms));
    }
    g_main_context_check(context, priority, fds, count);
    g_main_context_release(context);
    return block;
}

bool WxToolkitPort::CrossingsStandForMoves()
{
    return OnWayland();
}

void WxToolkitPort::DrawOnEverySize(wxWindow& top)
{
    if (OnWayland()) {
        g_signal_connect(top.GetHandle(), "configure-event", G_CALLBACK(DrawOnConfigure), nullptr);
    }
}

bool WxToolkitPort::SetStockButtonLabel(wxWindow& button, const std::string& label)
{
    GtkWidget* widget = button.GetHandle();
    if (!widget || !GTK_IS_BUTTON(widget)) {
        return false;
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_button_set_use_stock(GTK_BUTTON(widget), FALSE);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_button_set_use_underline(GTK_BUTTON(widget), TRUE);
    gtk_button_set_label(GTK_BUTTON(widget), GtkMnemonics(label).c_str());
    return true;
}

bool WxToolkitPort::ShowSystemMenu(wxWindow& /*top*/, const Menu& /*menu*/)
{
    return false;
}
