#pragma once

class Menu;
class wxMenuBar;

// The menu bar of a frame built from a Menu: popups, items with their mnemonics, separators,
// grayed items. Afterwards only the items' states change, so they are brought in step by id.
class WxMenuBar
{
public:
    static wxMenuBar* Build(const Menu& menu);
    // Enables and grays the bar's items as the menu has them; false when the bar's shape no
    // longer matches the menu (items were added), so that it must be built again.
    static bool Sync(wxMenuBar& bar, const Menu& menu);
};
