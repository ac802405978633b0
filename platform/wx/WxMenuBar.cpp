#include "platform/wx/WxMenuBar.h"

#include "platform/Menu.h"
#include "platform/wx/WxKeys.h"

#include <wx/menu.h>

namespace {
// Above the toolkit's own ids, below its limit for menu items.
constexpr int FIRST_ITEM_ID = wxID_HIGHEST + 1;

bool IsGrayed(const Menu::Item& item)
{
    return (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

bool IsChecked(const Menu::Item& item)
{
    return (item.flags & MF_CHECKED) != 0;
}
} // namespace

wxMenu* WxMenuBar::BuildPopup(const Menu& menu)
{
    auto* popup = new wxMenu;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        wxString text = wxString::FromUTF8(item->text.c_str());
        if (item->flags & MF_SEPARATOR) {
            popup->AppendSeparator();
        } else if (item->popup) {
            popup->AppendSubMenu(BuildPopup(*item->popup), text)->Enable(!IsGrayed(*item));
        } else {
            int id = FIRST_ITEM_ID + static_cast<int>(commands.size());
            commands.push_back(item->id);
            const bool checkable = (item->flags & MF_CHECKABLE) != 0;
            wxMenuItem* shown =
                popup->Append(id, text, wxEmptyString, checkable ? wxITEM_CHECK : wxITEM_NORMAL);
            // Kept apart from the text, the toolkit shows the shortcut beside it and runs it
            // while the item is enabled.
            const wxAcceleratorEntry accel = WxKeys::ToWx(item->accel);
            if (accel.IsOk()) {
                shown->AddExtraAccel(accel);
            }
            shown->Enable(!IsGrayed(*item));
            if (checkable) {
                shown->Check(IsChecked(*item));
            }
        }
    }
    return popup;
}

bool WxMenuBar::SyncPopup(wxMenu& popup, const Menu& menu) const
{
    if (popup.GetMenuItemCount() != static_cast<size_t>(menu.GetMenuItemCount())) {
        return false;
    }
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        wxMenuItem* shown = popup.FindItemByPosition(static_cast<size_t>(i));
        if (item->flags & MF_SEPARATOR) {
            if (!shown->IsSeparator()) {
                return false;
            }
            continue;
        }
        if (item->popup) {
            if (!shown->GetSubMenu() || !SyncPopup(*shown->GetSubMenu(), *item->popup)) {
                return false;
            }
        } else if (CommandOf(shown->GetId()) != item->id ||
                   shown->IsCheckable() != ((item->flags & MF_CHECKABLE) != 0)) {
            return false;
        }
        // The toolkit ticks a check item itself when it is chosen; the command that follows
        // sets the menu's state, which is then already shown.
        if (shown->IsCheckable() && shown->IsChecked() != IsChecked(*item)) {
            shown->Check(IsChecked(*item));
        }
        if (shown->IsEnabled() == IsGrayed(*item)) {
            shown->Enable(!IsGrayed(*item));
        }
    }
    return true;
}

wxMenuBar* WxMenuBar::Build(const Menu& menu)
{
    commands.clear();
    auto* bar = new wxMenuBar;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        // A bar holds popups only; a command item on the bar itself has no place in it.
        if (item->popup) {
            bar->Append(BuildPopup(*item->popup), wxString::FromUTF8(item->text.c_str()));
        }
    }
    return bar;
}

bool WxMenuBar::Sync(wxMenuBar& bar, const Menu& menu) const
{
    size_t position = 0;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        if (!item->popup) {
            continue;
        }
        if (position >= bar.GetMenuCount() || !SyncPopup(*bar.GetMenu(position), *item->popup)) {
            return false;
        }
        if (bar.IsEnabledTop(position) == IsGrayed(*item)) {
            bar.EnableTop(position, !IsGrayed(*item));
        }
        ++position;
    }
    return position == bar.GetMenuCount();
}

unsigned WxMenuBar::CommandOf(int itemId) const
{
    int index = itemId - FIRST_ITEM_ID;
    return index >= 0 && index < static_cast<int>(commands.size()) ? commands[index] : 0;
}

int WxMenuBar::ItemIdOf(unsigned command) const
{
    for (size_t i = 0; i < commands.size(); ++i) {
        if (commands[i] == command) {
            return FIRST_ITEM_ID + static_cast<int>(i);
        }
    }
    return -1;
}
