#include "platform/wx/WxMenuBar.h"

#include "platform/Menu.h"

#include <wx/menu.h>

namespace {
bool IsGrayed(const Menu::Item& item)
{
    return (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
}

wxMenu* BuildPopup(const Menu& menu)
{
    auto* popup = new wxMenu;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        wxString text = wxString::FromUTF8(item->text.c_str());
        if (item->flags & MF_SEPARATOR) {
            popup->AppendSeparator();
        } else if (item->popup) {
            popup->AppendSubMenu(BuildPopup(*item->popup), text);
            popup->FindItemByPosition(static_cast<size_t>(i))->Enable(!IsGrayed(*item));
        } else {
            popup->Append(static_cast<int>(item->id), text);
            popup->Enable(static_cast<int>(item->id), !IsGrayed(*item));
        }
    }
    return popup;
}

bool SyncPopup(wxMenu& popup, const Menu& menu)
{
    if (popup.GetMenuItemCount() != static_cast<size_t>(menu.GetMenuItemCount())) {
        return false;
    }
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        wxMenuItem* wxItem = popup.FindItemByPosition(static_cast<size_t>(i));
        if (item->flags & MF_SEPARATOR) {
            if (!wxItem->IsSeparator()) {
                return false;
            }
            continue;
        }
        if (item->popup) {
            if (!wxItem->GetSubMenu() || !SyncPopup(*wxItem->GetSubMenu(), *item->popup)) {
                return false;
            }
        } else if (wxItem->GetId() != static_cast<int>(item->id)) {
            return false;
        }
        if (wxItem->IsEnabled() == IsGrayed(*item)) {
            wxItem->Enable(!IsGrayed(*item));
        }
    }
    return true;
}
} // namespace

wxMenuBar* WxMenuBar::Build(const Menu& menu)
{
    auto* bar = new wxMenuBar;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const Menu::Item* item = menu.GetItem(i);
        // A bar holds popups only; a command item on the bar itself has no place in it.
        if (!item->popup) {
            continue;
        }
        bar->Append(BuildPopup(*item->popup), wxString::FromUTF8(item->text.c_str()));
    }
    return bar;
}

bool WxMenuBar::Sync(wxMenuBar& bar, const Menu& menu)
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
