#include "WaylandInput.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

// The virtual keyboard and pointer protocols as the compositor knows them
// (zwp_virtual_keyboard_unstable_v1, zwlr_virtual_pointer_unstable_v1); their interfaces are
// small enough to describe here rather than generate.
namespace {
extern const wl_interface keyboardInterface;
extern const wl_interface pointerInterface;
const wl_interface* noTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* createTypes[] = {&wl_seat_interface, &keyboardInterface};
const wl_interface* createPointerTypes[] = {&wl_seat_interface, &pointerInterface};
const wl_message keyboardRequests[] = {{"keymap", "uhu", noTypes},
                                       {"key", "uuu", noTypes},
                                       {"modifiers", "uuuu", noTypes},
                                       {"destroy", "", noTypes}};
const wl_interface keyboardInterface = {"zwp_virtual_keyboard_v1", 1, 4,
                                        keyboardRequests,          0, nullptr};
const wl_message managerRequests[] = {{"create_virtual_keyboard", "on", createTypes}};
const wl_interface managerInterface = {
    "zwp_virtual_keyboard_manager_v1", 1, 1, managerRequests, 0, nullptr};
const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},   {"motion_absolute", "uuuuu", noTypes},
    {"button", "uuu", noTypes},   {"axis", "uuf", noTypes},
    {"frame", "", noTypes},       {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes}, {"axis_discrete", "uufi", noTypes},
    {"destroy", "", noTypes}};
const wl_interface pointerInterface = {"zwlr_virtual_pointer_v1", 1, 9,
                                       pointerRequests,           0, nullptr};
const wl_message pointerManagerRequests[] = {{"create_virtual_pointer", "?on", createPointerTypes},
                                             {"destroy", "", noTypes}};
const wl_interface pointerManagerInterface = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, pointerManagerRequests, 0, nullptr};
constexpr std::uint32_t REQUEST_MOTION_ABSOLUTE = 1;
constexpr std::uint32_t REQUEST_BUTTON = 2;
constexpr std::uint32_t REQUEST_FRAME = 4;
// Linux's codes of the left, middle and right buttons.
constexpr std::uint32_t BUTTON_CODES[] = {0x110, 0x112, 0x111};
constexpr std::uint32_t KEYMAP_XKB_V1 = 1;
constexpr std::uint32_t REQUEST_KEYMAP = 0;
constexpr std::uint32_t REQUEST_KEY = 1;
constexpr std::uint32_t REQUEST_MODIFIERS = 2;
// Evdev numbers keys eight below the keymap's codes.
constexpr std::uint32_t EVDEV_OFFSET = 8;
} // namespace

struct WaylandInput::State
{
    wl_display* display = nullptr;
    wl_seat* seat = nullptr;
    wl_proxy* manager = nullptr;
    wl_proxy* keyboard = nullptr;
    wl_proxy* pointerManager = nullptr;
    wl_proxy* pointer = nullptr;
    // The output's size, which absolute pointer positions are given in.
    int width = 0;
    int height = 0;
    int pointerX = 0;
    int pointerY = 0;
    xkb_context* context = nullptr;
    xkb_keymap* keymap = nullptr;
    xkb_state* xkb = nullptr;
    std::mutex lock;

    ~State()
    {
        if (xkb) {
            xkb_state_unref(xkb);
        }
        if (keymap) {
            xkb_keymap_unref(keymap);
        }
        if (context) {
            xkb_context_unref(context);
        }
        if (display) {
            wl_display_disconnect(display);
        }
    }

    static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t /*version*/)
    {
        auto* state = static_cast<State*>(data);
        if (std::strcmp(interface, wl_seat_interface.name) == 0 && !state->seat) {
            state->seat =
                static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
        } else if (std::strcmp(interface, managerInterface.name) == 0) {
            state->manager =
                static_cast<wl_proxy*>(wl_registry_bind(registry, name, &managerInterface, 1));
        } else if (std::strcmp(interface, pointerManagerInterface.name) == 0) {
            state->pointerManager = static_cast<wl_proxy*>(
                wl_registry_bind(registry, name, &pointerManagerInterface, 1));
        } else if (std::strcmp(interface, wl_output_interface.name) == 0 && state->width == 0) {
            // Version 1 of the output sends only its geometry and its modes.
            static wl_output_listener listener{};
            listener.geometry = Geometry;
            listener.mode = Mode;
            auto* output =
                static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 1));
            wl_output_add_listener(output, &listener, data);
        }
    }
    static void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
    static void Geometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                         std::int32_t, const char*, const char*, std::int32_t)
    {
    }
    static void Mode(void* data, wl_output*, std::uint32_t flags, std::int32_t width,
                     std::int32_t height, std::int32_t)
    {
        if (flags & WL_OUTPUT_MODE_CURRENT) {
            static_cast<State*>(data)->width = width;
            static_cast<State*>(data)->height = height;
        }
    }

    bool Connect()
    {
        display = wl_display_connect(nullptr);
        if (!display) {
            return false;
        }
        static const wl_registry_listener listener = {Global, GlobalRemove};
        wl_registry* registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &listener, this);
        wl_display_roundtrip(display);
        wl_display_roundtrip(display);
        if (!seat || !manager || !pointerManager || width <= 0 || height <= 0) {
            return false;
        }
        keyboard = wl_proxy_marshal_constructor(manager, 0, &keyboardInterface, seat, nullptr);
        pointer = wl_proxy_marshal_constructor(pointerManager, 0, &pointerInterface, seat, nullptr);
        return keyboard && pointer && SendKeymap();
    }

    bool SendKeymap()
    {
        context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
        keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                         : nullptr;
        xkb = keymap ? xkb_state_new(keymap) : nullptr;
        char* text = xkb ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
        if (!text) {
            return false;
        }
        const std::size_t size = std::strlen(text) + 1;
        const int fd = memfd_create("tobrix-keymap", MFD_CLOEXEC);
        const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
        free(text);
        if (written) {
            wl_proxy_marshal(keyboard, REQUEST_KEYMAP, KEYMAP_XKB_V1, fd,
                             static_cast<std::uint32_t>(size));
            wl_display_roundtrip(display);
        }
        if (fd >= 0) {
            close(fd);
        }
        return written;
    }

    // The key of the layout whose first level makes the symbol; 0 when none does.
    xkb_keycode_t CodeOf(unsigned long symbol) const
    {
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap);
             code <= xkb_keymap_max_keycode(keymap); ++code) {
            const xkb_keysym_t* syms = nullptr;
            if (xkb_keymap_key_get_syms_by_level(keymap, code, 0, 0, &syms) > 0 &&
                syms[0] == symbol) {
                return code;
            }
        }
        return 0;
    }

    static std::uint32_t Now()
    {
        using namespace std::chrono;
        return static_cast<std::uint32_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }

    // A key goes down or up, and the modifiers that follow from it with it: the compositor
    // tells clients the modifiers a virtual keyboard reports, not the ones its keys imply.
    void Send(xkb_keycode_t code, bool down)
    {
        wl_proxy_marshal(keyboard, REQUEST_KEY, Now(), code - EVDEV_OFFSET, down ? 1u : 0u);
        xkb_state_update_key(xkb, code, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        wl_proxy_marshal(keyboard, REQUEST_MODIFIERS,
                         xkb_state_serialize_mods(xkb, XKB_STATE_MODS_DEPRESSED),
                         xkb_state_serialize_mods(xkb, XKB_STATE_MODS_LATCHED),
                         xkb_state_serialize_mods(xkb, XKB_STATE_MODS_LOCKED),
                         xkb_state_serialize_layout(xkb, XKB_STATE_LAYOUT_EFFECTIVE));
    }
};

WaylandInput::WaylandInput(std::unique_ptr<State> state) : state(std::move(state)) {}

WaylandInput* WaylandInput::Get()
{
    static WaylandInput* input = [] {
        auto state = std::make_unique<State>();
        return state->Connect() ? new WaylandInput(std::move(state)) : nullptr;
    }();
    return input;
}

bool WaylandInput::Press(unsigned long keySymbol, const std::vector<unsigned long>& held)
{
    std::lock_guard<std::mutex> guard(state->lock);
    std::vector<xkb_keycode_t> modifiers;
    for (unsigned long symbol : held) {
        modifiers.push_back(state->CodeOf(symbol));
    }
    const xkb_keycode_t code = state->CodeOf(keySymbol);
    if (code == 0) {
        return false;
    }
    for (xkb_keycode_t modifier : modifiers) {
        state->Send(modifier, true);
    }
    state->Send(code, true);
    state->Send(code, false);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
        state->Send(*modifier, false);
    }
    return wl_display_roundtrip(state->display) >= 0;
}

bool WaylandInput::MoveTo(int x, int y)
{
    std::lock_guard<std::mutex> guard(state->lock);
    if (x < 0 || y < 0 || x >= state->width || y >= state->height) {
        return false;
    }
    wl_proxy_marshal(state->pointer, REQUEST_MOTION_ABSOLUTE, State::Now(),
                     static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                     static_cast<std::uint32_t>(state->width),
                     static_cast<std::uint32_t>(state->height));
    wl_proxy_marshal(state->pointer, REQUEST_FRAME);
    state->pointerX = x;
    state->pointerY = y;
    return wl_display_roundtrip(state->display) >= 0;
}

void WaylandInput::Position(int& x, int& y)
{
    std::lock_guard<std::mutex> guard(state->lock);
    x = state->pointerX;
    y = state->pointerY;
}

bool WaylandInput::Button(int button, bool down)
{
    std::lock_guard<std::mutex> guard(state->lock);
    if (button < 1 || button > 3) {
        return false;
    }
    wl_proxy_marshal(state->pointer, REQUEST_BUTTON, State::Now(), BUTTON_CODES[button - 1],
                     down ? 1u : 0u);
    wl_proxy_marshal(state->pointer, REQUEST_FRAME);
    return wl_display_roundtrip(state->display) >= 0;
}
