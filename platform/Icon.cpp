#include "platform/Icon.h"

#include "platform/DeviceContext.h"
#include "platform/Resources.h"

#include <memory>
#include <vector>

const Icon* Icon::Load(int id)
{
    static std::vector<std::unique_ptr<Icon>> loaded;
    for (const auto& icon : loaded) {
        if (icon->id == id) {
            return icon.get();
        }
    }
    std::unique_ptr<Icon> icon(new Icon);
    const char* const* big = FindIconResource(id, 32);
    const char* const* small = FindIconResource(id, 16);
    bool any = big && icon->big.LoadXpm(big);
    any = (small && icon->small.LoadXpm(small)) || any;
    if (!any) {
        return nullptr;
    }
    icon->id = id;
    loaded.push_back(std::move(icon));
    return loaded.back().get();
}

const Bitmap& Icon::GetImage(int size) const
{
    if (size == 16) {
        return small.IsEmpty() ? big : small;
    }
    return big.IsEmpty() ? small : big;
}

void DrawIcon(DeviceContext& dc, int x, int y, const Icon* icon)
{
    if (!icon) {
        return;
    }
    const Bitmap& image = icon->GetImage(32);
    DeviceContext memory;
    memory.CreateCompatibleDC(&dc);
    // Selecting a bitmap into a source context only reads its pixels.
    memory.SelectObject(const_cast<Bitmap*>(&image));
    dc.BitBlt(x, y, image.Width(), image.Height(), &memory, 0, 0, SRCCOPY);
}
