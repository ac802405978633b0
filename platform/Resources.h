#pragma once

#include "platform/DialogTemplate.h"
#include "platform/MenuTemplate.h"

// The platform finds templates, strings and art through this table, which the program (or a
// test) installs at start-up: res/ depends on platform/, never the other way round.
struct ResourceTable
{
    const DialogTemplate* (*findDialog)(int id);
    const MenuTemplate* (*findMenu)(int id);
    const char* (*loadString)(int id);
    const char* const* (*findBitmapXpm)(int id);
    const char* const* (*findCursorXpm)(int id);
    const char* const* (*findIconXpm)(int id, int size);
};

// The table stays installed until replaced; nullptr removes it. Every lookup works without one
// and then finds nothing.
void SetResourceTable(const ResourceTable* table);
const ResourceTable* GetResourceTable();

const DialogTemplate* FindDialogResource(int id);
const MenuTemplate* FindMenuResource(int id);
// The string with that id; "" when there is none.
const char* LoadStringResource(int id);
const char* const* FindBitmapResource(int id);
const char* const* FindCursorResource(int id);
const char* const* FindIconResource(int id, int size);
