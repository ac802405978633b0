#include "res/GameResources.h"

#include "res/Art.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"

namespace {
const char* const* FindIcon(int id, int size)
{
    return id == IDI_MAINFRAME ? FindIconXpm(size) : nullptr;
}

const ResourceTable table{FindDialogTemplate, FindMenuTemplate, LoadResourceString,
                          FindBitmapXpm,      FindCursorXpm,    FindIcon};
} // namespace

const ResourceTable& GameResources()
{
    return table;
}
