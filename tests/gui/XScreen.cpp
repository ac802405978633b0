#include "XScreen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace xscreen {
namespace {
unsigned Channel(unsigned long pixel, unsigned long mask)
{
    if (!mask) {
        return 0;
    }
    int shift = 0;
    while (!(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<unsigned>(((pixel >> shift) & mask) * 255 / mask);
}
} // namespace

bool Read(void* connection, int x, int y, int width, int height, std::vector<std::uint32_t>& pixels)
{
    auto* display = static_cast<Display*>(connection);
    if (!display || width <= 0 || height <= 0) {
        return false;
    }
    // Reading the root window gives what every window shows on the screen.
    XImage* shot =
        XGetImage(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!shot) {
        return false;
    }
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            unsigned long pixel = XGetPixel(shot, column, row);
            pixels[static_cast<size_t>(row) * width + column] =
                Channel(pixel, shot->red_mask) | (Channel(pixel, shot->green_mask) << 8) |
                (Channel(pixel, shot->blue_mask) << 16);
        }
    }
    XDestroyImage(shot);
    return true;
}
void Sync(void* display)
{
    if (display) {
        XSync(static_cast<Display*>(display), False);
    }
}
} // namespace xscreen
