#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

// The headless sway the Wayland run of the suite plays on, through its IPC socket (SWAYSOCK):
// the pointer is moved and pressed by sway's own seat commands, and windows are found in its
// tree, since a Wayland client is never told where its windows are.
namespace sway {
// Whether SWAYSOCK names a sway that answers.
bool Available();
// Runs a sway command ("seat - cursor set 10 20"); false when sway refused it.
bool Command(const std::string& command);
// The layout rectangles of the mapped windows with that title, in the tree's order.
std::vector<Rect> WindowsTitled(const std::string& title);
// Asks sway to place the windows with that title at a point of the layout.
bool PlaceWindows(const std::string& title, Point at);
// The pixels of a rectangle of the output as 0x00BBGGRR values, row after row, as the compositor
// shows them (taken by grim); false on failure.
bool Screenshot(const Rect& screen, std::vector<std::uint32_t>& pixels);
// The app_id of each mapped window.
std::vector<std::string> AppIds();
} // namespace sway
