#include "platform/wx/WxToolkitPort.h"

#include "platform/Menu.h"
#include "platform/Message.h"

#include <wx/menu.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>

#include <mmsystem.h>
#endif

void WxToolkitPort::Prepare()
{
#ifdef __WXMSW__
    // Windows wakes a sleeping program on its timer's ticks, 15.6 ms apart unless a program asks
    // for finer ones: the game's pauses of a few milliseconds need ticks of one.
    timeBeginPeriod(1);
#endif
}

bool WxToolkitPort::WaitForToolkit(int /*ms*/)
{
    // wx offers no wait that handles nothing; the caller's yield and a short pause serve.
    return false;
}

bool WxToolkitPort::CrossingsStandForMoves()
{
    return false;
}

void WxToolkitPort::DrawOnEverySize(wxWindow& /*top*/) {}

bool WxToolkitPort::SetStockButtonLabel(wxWindow& /*button*/, const std::string& /*label*/)
{
    // The port labels stock buttons from the toolkit's own catalogue, in the game's language.
    return false;
}

namespace {
// The system commands (SC_MOVE, SC_CLOSE, ...) are the desktop's own items.
constexpr unsigned FIRST_SYSTEM_COMMAND = 0xF000;
} // namespace

bool WxToolkitPort::ShowSystemMenu(wxWindow& top, const Menu& menu)
{
#ifdef __WXMSW__
    auto* window = dynamic_cast<wxTopLevelWindow*>(&top);
    wxMenu* shown = window ? window->MSWGetSystemMenu() : nullptr;
    if (!shown) {
        return false;
    }
    // Windows' own items stand for the system commands; the game's items follow them, shown
    // anew on every change.
    for (size_t i = shown->GetMenuItemCount(); i-- > 0;) {
        wxMenuItem* item = shown->FindItemByPosition(i);
        if (item->GetId() >= SYSTEM_MENU_FIRST_ID ||
            (item->IsSeparator() && i + 1 == shown->GetMenuItemCount())) {
            shown->Destroy(item);
        }
    }
    bool separated = false;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        if (!item || (item->flags & MF_SEPARATOR) || item->id >= FIRST_SYSTEM_COMMAND) {
            continue;
        }
        if (!separated) {
            shown->AppendSeparator();
            separated = true;
        }
        wxMenuItem* added = shown->Append(SYSTEM_MENU_FIRST_ID + static_cast<int>(item->id),
                                          wxString::FromUTF8(item->text.c_str()));
        added->Enable(!(item->flags & (MF_GRAYED | MF_DISABLED)));
    }
    return true;
#else
    (void)top;
    (void)menu;
    return false;
#endif
}
