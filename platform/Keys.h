#pragma once

// Keys as the game's windows know them, whatever the toolkit: letters and digits by their
// capital character, the rest by these codes.
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_SPACE = 0x20;
constexpr unsigned VK_PRIOR = 0x21; // Page Up
constexpr unsigned VK_NEXT = 0x22;  // Page Down
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F4 = 0x73;
constexpr unsigned VK_F12 = 0x7B;
constexpr unsigned VK_OEM_COMMA = 0xBC;

// The modifiers held with a key.
constexpr unsigned FSHIFT = 0x04;
constexpr unsigned FCONTROL = 0x08;
constexpr unsigned FALT = 0x10;

// A menu item's shortcut: the key with exactly these modifiers; key 0 for none.
struct Accelerator
{
    unsigned key = 0;
    unsigned modifiers = 0;
};
