#pragma once

#include "platform/MenuTemplate.h"

#include <memory>
#include <string>
#include <vector>

class Window;

// A menu bar, a popup or a system menu: items with a command id, a text and a state. The menu
// keeps the state; the owner window's peer is told of each change so that it can show it.
class Menu
{
public:
    struct Item
    {
        unsigned id = 0;
        std::string text;
        unsigned flags = 0; // MF_SEPARATOR, MF_POPUP, MF_GRAYED, MF_DISABLED, MF_CHECKED,
                            // MF_CHECKABLE
        Accelerator accel;
        std::unique_ptr<Menu> popup;
    };

    explicit Menu(Window* owner = nullptr);
    virtual ~Menu() = default;

    void Load(const MenuTemplate& menuTemplate);
    // The standard items of a dialog's system menu: Move and Close.
    void LoadSystemMenu();

    // MF_SEPARATOR, or MF_STRING with a command id and a text.
    bool AppendMenu(unsigned flags, unsigned id = 0, const char* text = nullptr);
    // MF_ENABLED or MF_GRAYED (with MF_BYCOMMAND, searching popups too, or MF_BYPOSITION).
    // Returns the item's previous MF_GRAYED | MF_DISABLED bits, or -1 when there is no such item.
    int EnableMenuItem(unsigned item, unsigned enable);
    // MF_CHECKED or MF_UNCHECKED (with MF_BYCOMMAND or MF_BYPOSITION, as EnableMenuItem).
    // Returns the item's previous MF_CHECKED bit, or -1 when there is no such item.
    int CheckMenuItem(unsigned item, unsigned check);
    // The item's flags, or -1 when there is none.
    int GetMenuState(unsigned item, unsigned by) const;
    std::string GetMenuString(unsigned item, unsigned by) const;
    Menu* GetSubMenu(int position) const;
    int GetMenuItemCount() const { return static_cast<int>(items.size()); }
    unsigned GetMenuItemID(int position) const;
    const Item* GetItem(int position) const;

    // Whether the player can choose the command: an item that exists and is not grayed or
    // disabled, in an enabled popup.
    bool IsCommandEnabled(unsigned id) const;
    // The command whose shortcut is that key with exactly those modifiers (FSHIFT, FCONTROL,
    // FALT), searching popups too; 0 when no item has it.
    unsigned FindAccelerator(unsigned key, unsigned modifiers) const;

private:
    Item* Find(unsigned item, unsigned by);
    const Item* Find(unsigned item, unsigned by) const;
    void Changed();

    Window* owner;
    std::vector<Item> items;
};
