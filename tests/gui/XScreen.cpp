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

void AddClasses(Display* display, ::Window window, int depth, std::vector<std::string>& classes)
{
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) {
        return;
    }
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        XClassHint hint;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && XGetClassHint(display, children[i], &hint)) {
            classes.push_back(std::string(hint.res_name ? hint.res_name : "") + " " +
                              (hint.res_class ? hint.res_class : ""));
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
        if (depth > 0) {
            AddClasses(display, children[i], depth - 1, classes);
        }
    }
    XFree(children);
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

std::vector<std::string> MappedWindowClasses(void* connection)
{
    std::vector<std::string> classes;
    if (auto* display = static_cast<Display*>(connection)) {
        AddClasses(display, DefaultRootWindow(display), 1, classes);
    }
    return classes;
}
} // namespace xscreen
