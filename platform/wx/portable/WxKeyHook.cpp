#include "platform/wx/WxKeyHook.h"

#include "platform/KeyRoute.h"
#include "platform/Keys.h"
#include "platform/wx/WxBackend.h"
#include "platform/wx/WxWindowPeer.h"

#include <wx/button.h>
#include <wx/eventfilter.h>
#include <wx/toplevel.h>

namespace {
struct KeyPair
{
    int wx;
    unsigned game;
};

// The keypad's keys count as the main ones (with Num Lock off, as they are then).
constexpr KeyPair namedKeys[] = {
    {WXK_TAB, VK_TAB},
    {WXK_NUMPAD_TAB, VK_TAB},
    {WXK_RETURN, VK_RETURN},
    {WXK_NUMPAD_ENTER, VK_RETURN},
    {WXK_ESCAPE, VK_ESCAPE},
    {WXK_SPACE, VK_SPACE},
    {WXK_NUMPAD_SPACE, VK_SPACE},
    {WXK_PAGEUP, VK_PRIOR},
    {WXK_NUMPAD_PAGEUP, VK_PRIOR},
    {WXK_PAGEDOWN, VK_NEXT},
    {WXK_NUMPAD_PAGEDOWN, VK_NEXT},
    {WXK_LEFT, VK_LEFT},
    {WXK_NUMPAD_LEFT, VK_LEFT},
    {WXK_UP, VK_UP},
    {WXK_NUMPAD_UP, VK_UP},
    {WXK_RIGHT, VK_RIGHT},
    {WXK_NUMPAD_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},
    {WXK_NUMPAD_DOWN, VK_DOWN},
    {WXK_DELETE, VK_DELETE},
    {WXK_NUMPAD_DELETE, VK_DELETE},
    {',', VK_OEM_COMMA},
};

constexpr int F_KEYS = 12;

// The game's key (platform/Keys.h) of a wx key code; 0 for none. The toolkit gives letters as
// capitals, whatever the shift state.
unsigned KeyOf(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return static_cast<unsigned>(code);
    }
    if (code >= WXK_F1 && code < WXK_F1 + F_KEYS) {
        return VK_F1 + static_cast<unsigned>(code - WXK_F1);
    }
    for (const KeyPair& pair : namedKeys) {
        if (pair.wx == code) {
            return pair.game;
        }
    }
    return 0;
}
} // namespace

// The toolkit offers every key press first as a key hook event, before the focused control has
// it; an event filter sees that event before any handler. While a window holds the mouse (the
// game's windows take it to see the pointer leave), the toolkit offers no hook event: then the
// key down event the focused control gets stands in for it.
struct WxKeyHook::Port : wxEventFilter
{
    explicit Port(WxBackend& backend) : backend(backend) { wxEvtHandler::AddFilter(this); }
    ~Port() override { wxEvtHandler::RemoveFilter(this); }

    int FilterEvent(wxEvent& event) override
    {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_MENU_OPEN) {
            ++openMenus;
        } else if (type == wxEVT_MENU_CLOSE) {
            openMenus = openMenus > 0 ? openMenus - 1 : 0;
        }
        if (type != wxEVT_CHAR_HOOK && (type != wxEVT_KEY_DOWN || !wxWindow::GetCapture())) {
            return Event_Skip;
        }
        const auto& key = static_cast<const wxKeyEvent&>(event);
        auto* source = dynamic_cast<wxWindow*>(key.GetEventObject());
        wxWindow* top = source ? wxGetTopLevelParent(source) : nullptr;
        WxWindowPeer* peer = top ? backend.TopLevelPeer(top->GetHandle()) : nullptr;
        // A window that waits for a modal one above it takes no keys.
        if (!peer || !peer->GetTopLevel()->IsEnabled()) {
            return Event_Skip;
        }
        KeyContext context;
        context.menuOpen = openMenus > 0;
        context.buttonFocused = dynamic_cast<wxButton*>(wxWindow::FindFocus()) != nullptr;
        const unsigned modifiers = (key.ShiftDown() ? FSHIFT : 0) |
                                   (key.RawControlDown() ? FCONTROL : 0) |
                                   (key.AltDown() ? FALT : 0);
        Message message;
        if (!MakeKeyMessage(peer->GetWindow(), KeyOf(key.GetKeyCode()), modifiers, context,
                            message)) {
            return Event_Skip;
        }
        backend.Post(message);
        return Event_Processed;
    }

    WxBackend& backend;
    // Menus open now: their keys are theirs.
    int openMenus = 0;
};

WxKeyHook::WxKeyHook(WxBackend& backend) : backend(backend), port(new Port(backend)) {}

WxKeyHook::~WxKeyHook()
{
    delete port;
}
