#include "platform/Cursor.h"

#include "platform/Resources.h"

#include <memory>
#include <vector>

const Cursor* Cursor::Load(int id)
{
    static std::vector<std::unique_ptr<Cursor>> loaded;
    for (const auto& cursor : loaded) {
        if (cursor->id == id) {
            return cursor.get();
        }
    }
    const char* const* xpm = FindCursorResource(id);
    std::unique_ptr<Cursor> cursor(new Cursor);
    if (!xpm || !cursor->image.LoadXpm(xpm)) {
        return nullptr;
    }
    cursor->id = id;
    // A cursor without a hot spot points with its centre.
    if (cursor->image.hotSpotX < 0 || cursor->image.hotSpotY < 0) {
        cursor->image.hotSpotX = cursor->image.Width() / 2;
        cursor->image.hotSpotY = cursor->image.Height() / 2;
    }
    loaded.push_back(std::move(cursor));
    return loaded.back().get();
}
