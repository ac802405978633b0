#include "platform/wx/WxKeys.h"

#include <wx/defs.h>

namespace {
constexpr int F_KEYS = 12;

struct KeyPair
{
    int wx;
    unsigned game;
};

// The keys a menu item's shortcut may name besides letters, digits and F keys. The menu only shows
// them: the game's key hook runs the shortcuts, from the keypad's Delete as well.
const KeyPair namedKeys[] = {
    {WXK_SPACE, VK_SPACE}, {WXK_LEFT, VK_LEFT},     {WXK_UP, VK_UP},     {WXK_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},   {WXK_DELETE, VK_DELETE}, {',', VK_OEM_COMMA},
};
} // namespace

wxAcceleratorEntry WxKeys::ToWx(const Accelerator& accel)
{
    int code = 0;
    if ((accel.key >= 'A' && accel.key <= 'Z') || (accel.key >= '0' && accel.key <= '9')) {
        code = static_cast<int>(accel.key);
    } else if (accel.key >= VK_F1 && accel.key < VK_F1 + F_KEYS) {
        code = WXK_F1 + static_cast<int>(accel.key - VK_F1);
    } else {
        for (const KeyPair& pair : namedKeys) {
            if (pair.game == accel.key) {
                code = pair.wx;
                break;
            }
        }
    }
    const int flags = ((accel.modifiers & FSHIFT) ? wxACCEL_SHIFT : 0) |
                      ((accel.modifiers & FCONTROL) ? wxACCEL_CTRL : 0) |
                      ((accel.modifiers & FALT) ? wxACCEL_ALT : 0);
    return code != 0 ? wxAcceleratorEntry(flags, code) : wxAcceleratorEntry();
}
