#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The X server's side of the end-to-end tests, kept apart because the X headers name types
// Window and Cursor as the game does.
namespace xscreen {
// The pixels of a rectangle of the screen as 0x00BBGGRR values, row after row, read on the given
// connection (the program's own, so that they come after what it drew); false on failure.
bool Read(void* display, int x, int y, int width, int height, std::vector<std::uint32_t>& pixels);
// The WM_CLASS of each mapped window at the top of the screen (or one level below, where a window
// manager frames them), as "instance class".
std::vector<std::string> MappedWindowClasses(void* display);
} // namespace xscreen
