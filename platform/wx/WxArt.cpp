#include "platform/wx/WxArt.h"

#include "platform/Cursor.h"
#include "platform/Icon.h"
#include "platform/wx/WxImages.h"

#include <wx/bitmap.h>
#include <wx/icon.h>

#include <map>

const wxCursor& WxArt::CursorOf(const Cursor* cursor)
{
    static std::map<const Cursor*, wxCursor> made;
    static const wxCursor arrow(wxCURSOR_ARROW);
    if (!cursor || cursor->GetImage().IsEmpty()) {
        return arrow;
    }
    auto found = made.find(cursor);
    if (found == made.end()) {
        wxImage image = WxImages::ToImage(cursor->GetImage().image);
        Point hotSpot = cursor->GetHotSpot();
        image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, hotSpot.x >= 0 ? hotSpot.x : 0);
        image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, hotSpot.y >= 0 ? hotSpot.y : 0);
        found = made.emplace(cursor, wxCursor(image)).first;
    }
    return found->second;
}

const wxIconBundle& WxArt::IconsOf(const Icon* icon)
{
    static std::map<const Icon*, wxIconBundle> made;
    static const wxIconBundle none;
    if (!icon) {
        return none;
    }
    auto found = made.find(icon);
    if (found == made.end()) {
        wxIconBundle bundle;
        for (int size : {32, 16}) {
            const Bitmap& image = icon->GetImage(size);
            if (!image.IsEmpty()) {
                wxIcon wxImageIcon;
                wxImageIcon.CopyFromBitmap(wxBitmap(WxImages::ToImage(image.image)));
                bundle.AddIcon(wxImageIcon);
            }
        }
        found = made.emplace(icon, bundle).first;
    }
    return found->second;
}
