#include "platform/Resources.h"
#include "platform/Translation.h"

namespace {
const ResourceTable* installed = nullptr;
}

void SetResourceTable(const ResourceTable* table)
{
    installed = table;
}

const ResourceTable* GetResourceTable()
{
    return installed;
}

const DialogTemplate* FindDialogResource(int id)
{
    return installed && installed->findDialog ? installed->findDialog(id) : nullptr;
}

const MenuTemplate* FindMenuResource(int id)
{
    return installed && installed->findMenu ? installed->findMenu(id) : nullptr;
}

const char* LoadStringResource(int id)
{
    const char* text = installed && installed->loadString ? installed->loadString(id) : nullptr;
    return text ? Translate(text) : "";
}

const char* const* FindBitmapResource(int id)
{
    return installed && installed->findBitmapXpm ? installed->findBitmapXpm(id) : nullptr;
}

const char* const* FindCursorResource(int id)
{
    return installed && installed->findCursorXpm ? installed->findCursorXpm(id) : nullptr;
}

const char* const* FindIconResource(int id, int size)
{
    return installed && installed->findIconXpm ? installed->findIconXpm(id, size) : nullptr;
}
