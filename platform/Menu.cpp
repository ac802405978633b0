#include "platform/Menu.h"

#include "platform/Message.h"
#include "platform/Translation.h"
#include "platform/Window.h"
#include "platform/WindowPeer.h"

Menu::Menu(Window* owner) : owner(owner) {}

namespace {
void AddItems(Window* owner, const MenuItemTemplate* items, int count,
              std::vector<Menu::Item>& into)
{
    for (int i = 0; i < count; ++i) {
        const MenuItemTemplate& t = items[i];
        Menu::Item item;
        item.id = t.id;
        item.text = t.text ? Translate(t.text) : "";
        item.flags = t.flags;
        item.accel = t.accel;
        if (t.flags & MF_POPUP) {
            item.popup = std::make_unique<Menu>(owner);
            item.popup->Load(MenuTemplate{0, t.subItems, t.subCount});
        }
        into.push_back(std::move(item));
    }
}
} // namespace

void Menu::Load(const MenuTemplate& menuTemplate)
{
    items.clear();
    AddItems(owner, menuTemplate.items, menuTemplate.count, items);
}

void Menu::LoadSystemMenu()
{
    items.clear();
    AppendMenu(MF_STRING, SC_MOVE, "&Move");
    AppendMenu(MF_SEPARATOR);
    AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
}

bool Menu::AppendMenu(unsigned flags, unsigned id, const char* text)
{
    Item item;
    if (flags & MF_SEPARATOR) {
        item.flags = MF_SEPARATOR;
    } else {
        item.id = id;
        item.text = text ? text : "";
        item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    }
    items.push_back(std::move(item));
    Changed();
    return true;
}

Menu::Item* Menu::Find(unsigned item, unsigned by)
{
    if (by & MF_BYPOSITION) {
        return item < items.size() ? &items[item] : nullptr;
    }
    for (Item& i : items) {
        if (i.popup) {
            if (Item* found = i.popup->Find(item, by)) {
                return found;
            }
        } else if (!(i.flags & MF_SEPARATOR) && i.id == item) {
            return &i;
        }
    }
    return nullptr;
}

const Menu::Item* Menu::Find(unsigned item, unsigned by) const
{
    return const_cast<Menu*>(this)->Find(item, by);
}

int Menu::EnableMenuItem(unsigned item, unsigned enable)
{
    Item* found = Find(item, enable);
    if (!found) {
        return -1;
    }
    int previous = static_cast<int>(found->flags & (MF_GRAYED | MF_DISABLED));
    found->flags =
        (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    if (static_cast<unsigned>(previous) != (found->flags & (MF_GRAYED | MF_DISABLED))) {
        Changed();
    }
    return previous;
}

int Menu::CheckMenuItem(unsigned item, unsigned check)
{
    Item* found = Find(item, check);
    if (!found) {
        return -1;
    }
    const int previous = static_cast<int>(found->flags & MF_CHECKED);
    found->flags = (found->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    if (static_cast<unsigned>(previous) != (found->flags & MF_CHECKED)) {
        Changed();
    }
    return previous;
}

int Menu::GetMenuState(unsigned item, unsigned by) const
{
    const Item* found = Find(item, by);
    return found ? static_cast<int>(found->flags) : -1;
}

std::string Menu::GetMenuString(unsigned item, unsigned by) const
{
    const Item* found = Find(item, by);
    return found ? found->text : std::string();
}

Menu* Menu::GetSubMenu(int position) const
{
    if (position < 0 || position >= static_cast<int>(items.size())) {
        return nullptr;
    }
    return items[position].popup.get();
}

unsigned Menu::GetMenuItemID(int position) const
{
    if (position < 0 || position >= static_cast<int>(items.size())) {
        return static_cast<unsigned>(-1);
    }
    const Item& item = items[position];
    return item.popup ? static_cast<unsigned>(-1) : item.id;
}

const Menu::Item* Menu::GetItem(int position) const
{
    if (position < 0 || position >= static_cast<int>(items.size())) {
        return nullptr;
    }
    return &items[position];
}

bool Menu::IsCommandEnabled(unsigned id) const
{
    for (const Item& i : items) {
        if (i.flags & (MF_GRAYED | MF_DISABLED)) {
            if (i.popup || i.id == id) {
                if (!i.popup || i.popup->Find(id, MF_BYCOMMAND)) {
                    return false;
                }
            }
            continue;
        }
        if (i.popup) {
            if (i.popup->IsCommandEnabled(id)) {
                return true;
            }
        } else if (!(i.flags & MF_SEPARATOR) && i.id == id) {
            return true;
        }
    }
    return false;
}

unsigned Menu::FindAccelerator(unsigned key, unsigned modifiers) const
{
    for (const Item& i : items) {
        if (i.popup) {
            if (unsigned command = i.popup->FindAccelerator(key, modifiers)) {
                return command;
            }
        } else if (key != 0 && i.accel.key == key && i.accel.modifiers == modifiers) {
            return i.id;
        }
    }
    return 0;
}

void Menu::Changed()
{
    if (owner && owner->GetPeer()) {
        owner->GetPeer()->MenuChanged(*this);
    }
}
