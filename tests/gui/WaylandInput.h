#pragma once

#include <memory>
#include <vector>

// A keyboard and a pointer of the Wayland compositor the suite runs under, made through its
// virtual keyboard and virtual pointer protocols on a connection of their own (a headless
// compositor has no devices, so its seat has neither until these join it). One keyboard serves
// the whole run: a compositor sends clients a new keymap whenever another keyboard types, and a
// key that races that change can be lost. Keys are X key symbols (the same as under X11), typed
// with a US layout; calls may come from any thread, and each returns once the compositor has
// taken its input.
class WaylandInput
{
public:
    // The devices of the compositor named by WAYLAND_DISPLAY; nullptr when it offers none.
    static WaylandInput* Get();

    // Presses and releases the key of the symbol while the held keys (modifiers) are down.
    // False when no key of the layout makes it.
    bool Press(unsigned long keySymbol, const std::vector<unsigned long>& held = {});
    // The pointer moves to a point of the output.
    bool MoveTo(int x, int y);
    // Where the pointer is.
    void Position(int& x, int& y);
    // A button (1 left, 2 middle, 3 right) goes down or up.
    bool Button(int button, bool down);

    struct State;

private:
    explicit WaylandInput(std::unique_ptr<State> state);
    std::unique_ptr<State> state;
};
