#include "platform/wx/WxImages.h"

#include "platform/Bitmap.h"

wxImage WxImages::ToImage(const PixelImage& source)
{
    wxImage image(source.width, source.height, false);
    image.InitAlpha();
    unsigned char* data = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            ColorRef color = source.GetPixel(x, y);
            size_t at = static_cast<size_t>(y) * source.width + x;
            bool none = color == Bitmap::TRANSPARENT_PIXEL;
            data[at * 3] = none ? 0 : static_cast<unsigned char>(GetRValue(color));
            data[at * 3 + 1] = none ? 0 : static_cast<unsigned char>(GetGValue(color));
            data[at * 3 + 2] = none ? 0 : static_cast<unsigned char>(GetBValue(color));
            alpha[at] = none ? 0 : 255;
        }
    }
    return image;
}

void WxImages::FromImage(const wxImage& source, PixelImage& target)
{
    target.Resize(source.GetWidth(), source.GetHeight());
    const unsigned char* data = source.GetData();
    for (int y = 0; y < target.height; ++y) {
        for (int x = 0; x < target.width; ++x) {
            const unsigned char* p = data + (static_cast<size_t>(y) * target.width + x) * 3;
            target.SetPixel(x, y, Rgb(p[0], p[1], p[2]));
        }
    }
}
