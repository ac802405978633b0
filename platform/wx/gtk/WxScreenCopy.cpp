#include "platform/wx/WxScreenCopy.h"

#include "platform/PixelImage.h"

#include <wx/window.h>

#include <cairo.h>
#include <gdk/gdk.h>

#include <cstddef>
#include <cstdint>

struct WxScreenCopy::Surface
{
    cairo_surface_t* image = nullptr;
};

namespace {
// A back buffer pixel (0x00BBGGRR) as Cairo's RGB24 pixel (0x00RRGGBB).
std::uint32_t CairoPixel(ColorRef color)
{
    return (color & 0x0000FF00u) | ((color & 0xFFu) << 16) | ((color >> 16) & 0xFFu);
}

std::uint32_t* Row(cairo_surface_t* image, int y)
{
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
}
} // namespace

void WxScreenCopy::Drop()
{
    if (surface) {
        cairo_surface_destroy(surface->image);
        delete surface;
        surface = nullptr;
    }
}

WxScreenCopy::Surface& WxScreenCopy::Made(wxWindow& canvas, ColorRef face)
{
    if (surface) {
        return *surface;
    }
    const int w = width > 0 ? width : 1;
    const int h = height > 0 ? height : 1;
    // An image made for the canvas's own window is one the display reads directly (shared
    // memory on X11); a plain one it would first copy into a staging buffer of its own.
    GdkWindow* own = canvas.GTKGetDrawingWindow();
    cairo_surface_t* image =
        own ? gdk_window_create_similar_image_surface(own, CAIRO_FORMAT_RGB24, w, h, 1) : nullptr;
    if (image && (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
                  cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE)) {
        cairo_surface_destroy(image);
        image = nullptr;
    }
    if (!image) {
        image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    }
    const std::uint32_t pixel = CairoPixel(face);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = Row(image, y);
        for (int x = 0; x < w; ++x) {
            row[x] = pixel;
        }
    }
    cairo_surface_mark_dirty(image);
    surface = new Surface{image};
    return *surface;
}

void WxScreenCopy::Copy(wxWindow& canvas, const PixelImage& buffer, const Rect& area, ColorRef face)
{
    cairo_surface_t* image = Made(canvas, face).image;
    cairo_surface_flush(image);
    for (int y = area.top; y < area.bottom; ++y) {
        const ColorRef* from = buffer.pixels.data() + static_cast<std::size_t>(y) * buffer.width;
        std::uint32_t* to = Row(image, y);
        for (int x = area.left; x < area.right; ++x) {
            to[x] = CairoPixel(from[x]);
        }
    }
    cairo_surface_mark_dirty_rectangle(image, area.left, area.top, area.Width(), area.Height());
}

void WxScreenCopy::Paint(wxWindow& canvas, ColorRef face)
{
    // The toolkit's own context of this paint is clipped to the update region already: one copy
    // fills every updated rectangle, with no wx context built around it.
    cairo_t* context = canvas.GTKPaintContext();
    if (!context) {
        return;
    }
    cairo_save(context);
    cairo_set_source_surface(context, Made(canvas, face).image, 0, 0);
    // At a desktop scale of 2 or more each pixel of the copy covers a block of the screen's;
    // the toolkit's default filter would blend neighbouring pixels into a blur.
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_NEAREST);
    cairo_paint(context);
    cairo_restore(context);
}
