#include "platform/wx/WxScreenCopy.h"

#include "platform/PixelImage.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/rawbmp.h>
#include <wx/window.h>

#include <cstddef>

// A device-dependent bitmap without alpha: painting it is one block transfer (BitBlt on
// Windows), and its pixels are written in place through wx's raw access.
struct WxScreenCopy::Surface
{
    wxBitmap bitmap;
};

void WxScreenCopy::Drop()
{
    delete surface;
    surface = nullptr;
}

namespace {
void Fill(wxBitmap& bitmap, const PixelImage* buffer, const Rect& area, ColorRef face)
{
    wxNativePixelData data(bitmap);
    if (!data) {
        return;
    }
    wxNativePixelData::Iterator row(data);
    row.Offset(data, area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y) {
        wxNativePixelData::Iterator pixel = row;
        const ColorRef* from =
            buffer ? buffer->pixels.data() + static_cast<std::size_t>(y) * buffer->width : nullptr;
        for (int x = area.left; x < area.right; ++x, ++pixel) {
            const ColorRef color = from ? from[x] : face;
            pixel.Red() = static_cast<unsigned char>(GetRValue(color));
            pixel.Green() = static_cast<unsigned char>(GetGValue(color));
            pixel.Blue() = static_cast<unsigned char>(GetBValue(color));
        }
        row.OffsetY(data, 1);
    }
}
} // namespace

WxScreenCopy::Surface& WxScreenCopy::Made(wxWindow& /*canvas*/, ColorRef face)
{
    if (surface) {
        return *surface;
    }
    const int w = width > 0 ? width : 1;
    const int h = height > 0 ? height : 1;
    surface = new Surface{wxBitmap(w, h, 24)};
    Fill(surface->bitmap, nullptr, Rect{0, 0, w, h}, face);
    return *surface;
}

void WxScreenCopy::Copy(wxWindow& canvas, const PixelImage& buffer, const Rect& area, ColorRef face)
{
    Fill(Made(canvas, face).bitmap, &buffer, area, face);
}

void WxScreenCopy::Paint(wxWindow& canvas, ColorRef face)
{
    wxPaintDC dc(&canvas);
    dc.DrawBitmap(Made(canvas, face).bitmap, 0, 0, false);
}
