#include "platform/wx/WxKeyHook.h"

#include "platform/KeyRoute.h"
#include "platform/Keys.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/button.h>
#include <wx/toplevel.h>

#include <gtk/gtk.h>

struct WxKeyHook::Port
{
    unsigned id = 0;
};

namespace {
constexpr unsigned F_KEYS = 12;

struct KeyPair
{
    unsigned gdk;
    unsigned game;
};

// The keypad's keys count as the main ones (with Num Lock off, as they are then).
constexpr KeyPair namedKeys[] = {
    {GDK_KEY_Tab, VK_TAB},           {GDK_KEY_ISO_Left_Tab, VK_TAB},
    {GDK_KEY_KP_Tab, VK_TAB},        {GDK_KEY_Return, VK_RETURN},
    {GDK_KEY_KP_Enter, VK_RETURN},   {GDK_KEY_ISO_Enter, VK_RETURN},
    {GDK_KEY_Escape, VK_ESCAPE},     {GDK_KEY_space, VK_SPACE},
    {GDK_KEY_KP_Space, VK_SPACE},    {GDK_KEY_Page_Up, VK_PRIOR},
    {GDK_KEY_KP_Page_Up, VK_PRIOR},  {GDK_KEY_Page_Down, VK_NEXT},
    {GDK_KEY_KP_Page_Down, VK_NEXT}, {GDK_KEY_Left, VK_LEFT},
    {GDK_KEY_KP_Left, VK_LEFT},      {GDK_KEY_Up, VK_UP},
    {GDK_KEY_KP_Up, VK_UP},          {GDK_KEY_Right, VK_RIGHT},
    {GDK_KEY_KP_Right, VK_RIGHT},    {GDK_KEY_Down, VK_DOWN},
    {GDK_KEY_KP_Down, VK_DOWN},      {GDK_KEY_Delete, VK_DELETE},
    {GDK_KEY_KP_Delete, VK_DELETE},  {GDK_KEY_comma, VK_OEM_COMMA},
};

unsigned ModifiersOf(guint state)
{
    return ((state & GDK_SHIFT_MASK) ? FSHIFT : 0) | ((state & GDK_CONTROL_MASK) ? FCONTROL : 0) |
           ((state & GDK_MOD1_MASK) ? FALT : 0);
}

// The game's key (platform/Keys.h) of a GDK key value; 0 for none.
unsigned KeyOf(unsigned keyval)
{
    if ((keyval >= 'A' && keyval <= 'Z') || (keyval >= '0' && keyval <= '9')) {
        return keyval;
    }
    if (keyval >= 'a' && keyval <= 'z') {
        return keyval - 'a' + 'A';
    }
    if (keyval >= GDK_KEY_F1 && keyval < GDK_KEY_F1 + F_KEYS) {
        return VK_F1 + (keyval - GDK_KEY_F1);
    }
    for (const KeyPair& pair : namedKeys) {
        if (pair.gdk == keyval) {
            return pair.game;
        }
    }
    return 0;
}

// The key of an event; with a keyboard layout whose letters are not Latin, the key at the same
// place in the first layout, so that the shortcuts work under every layout.
unsigned KeyOfEvent(const GdkEventKey& event)
{
    unsigned key = KeyOf(event.keyval);
    if (key == 0 && event.group != 0) {
        guint keyval = 0;
        GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event.window));
        if (gdk_keymap_translate_keyboard_state(keymap, event.hardware_keycode,
                                                static_cast<GdkModifierType>(event.state), 0,
                                                &keyval, nullptr, nullptr, nullptr)) {
            key = KeyOf(keyval);
        }
    }
    return key;
}

bool IsMenu(GtkWidget* widget)
{
    return widget && GTK_IS_MENU_SHELL(widget);
}
// GTK's key snooper: true when the key went to the game.
int Snoop(GtkWidget* grab, GdkEventKey* event, void* hook)
{
    if (event->type != GDK_KEY_PRESS || !grab) {
        return FALSE;
    }
    WxBackend& backend = static_cast<WxKeyHook*>(hook)->backend;
    WxWindowPeer* peer = backend.TopLevelPeer(gtk_widget_get_toplevel(grab));
    // A window that waits for a modal one above it takes no keys.
    if (!peer || !peer->GetTopLevel()->IsEnabled()) {
        return FALSE;
    }
    KeyContext context;
    // The menu bar holds the keyboard while one of its menus is open, a menu its own popup.
    context.menuOpen = IsMenu(grab) || IsMenu(gtk_grab_get_current());
    context.buttonFocused = dynamic_cast<wxButton*>(wxWindow::FindFocus()) != nullptr;
    Message message;
    if (!MakeKeyMessage(peer->GetWindow(), KeyOfEvent(*event), ModifiersOf(event->state), context,
                        message)) {
        return FALSE;
    }
    backend.Post(message);
    return TRUE;
}
} // namespace

WxKeyHook::WxKeyHook(WxBackend& backend) : backend(backend), port(new Port)
{
    // The one way GTK 3 offers to see a key before the focused widget, whatever has the focus.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    port->id = gtk_key_snooper_install(&Snoop, this);
    G_GNUC_END_IGNORE_DEPRECATIONS
}

WxKeyHook::~WxKeyHook()
{
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_key_snooper_remove(port->id);
    G_GNUC_END_IGNORE_DEPRECATIONS
    delete port;
}
