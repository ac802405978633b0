#include "platform/wx/WxKeys.h"

#include <wx/defs.h>

namespace {
constexpr int F_KEYS = 12;

struct KeyPair
{
    int wx;
    unsigned game;
};

// The keypad's arrows and Delete count as the main ones.
const KeyPair namedKeys[] = {
    {WXK_SPACE, VK_SPACE},
    {WXK_LEFT, VK_LEFT},
    {WXK_UP, VK_UP},
    {WXK_RIGHT, VK_RIGHT},
    {WXK_DOWN, VK_DOWN},
    {WXK_DELETE, VK_DELETE},
    {WXK_NUMPAD_LEFT, VK_LEFT},
    {WXK_NUMPAD_UP, VK_UP},
    {WXK_NUMPAD_RIGHT, VK_RIGHT},
    {WXK_NUMPAD_DOWN, VK_DOWN},
    {WXK_NUMPAD_DELETE, VK_DELETE},
    {',', VK_OEM_COMMA},
};
} // namespace

unsigned WxKeys::FromWx(int keyCode)
{
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
        return static_cast<unsigned>(keyCode);
    }
    if (keyCode >= 'a' && keyCode <= 'z') {
        return static_cast<unsigned>(keyCode - 'a' + 'A');
    }
    if (keyCode >= WXK_F1 && keyCode < WXK_F1 + F_KEYS) {
        return VK_F1 + static_cast<unsigned>(keyCode - WXK_F1);
    }
    for (const KeyPair& pair : namedKeys) {
        if (pair.wx == keyCode) {
            return pair.game;
        }
    }
    return 0;
}

unsigned WxKeys::ModifiersFromWx(int modifiers)
{
    return ((modifiers & wxMOD_SHIFT) ? FSHIFT : 0) | ((modifiers & wxMOD_CONTROL) ? FCONTROL : 0) |
           ((modifiers & wxMOD_ALT) ? FALT : 0);
}

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
