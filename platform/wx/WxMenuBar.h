#pragma once

#include <vector>

class Menu;
class wxMenu;
class wxMenuBar;

// The menu bar of a frame built from a Menu: popups, items with their mnemonics and shortcuts,
// separators, grayed items. Afterwards only the items' states change, so they are brought in step
// item by item. The toolkit takes item ids below 32767 only, while the game's commands go above it,
// so the items get ids of their own here and are told back to commands.
class WxMenuBar
{
public:
    WxMenuBar() = default;
    virtual ~WxMenuBar() = default;

    wxMenuBar* Build(const Menu& menu);
    // Enables and grays the bar's items as the menu has them; false when the bar's shape no
    // longer matches the menu (items were added), so that it must be built again.
    bool Sync(wxMenuBar& bar, const Menu& menu) const;
    // The command of a chosen item; 0 for an id this bar did not give.
    unsigned CommandOf(int itemId) const;
    // The toolkit's id of the item of a command; -1 when the bar has no such item.
    int ItemIdOf(unsigned command) const;

private:
    wxMenu* BuildPopup(const Menu& menu);
    bool SyncPopup(wxMenu& popup, const Menu& menu) const;

    // The command of each item, the item's id being FIRST_ITEM_ID plus its index.
    std::vector<unsigned> commands;
};
