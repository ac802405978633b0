#include "res/Art.h"

#include "res/ResourceIds.h"

// Each .xpm file is a C array named after its picture.
#include "res/art/banner.xpm"
#include "res/art/cursor_delete.xpm"
#include "res/art/cursor_select.xpm"
#include "res/art/delete.xpm"
#include "res/art/delete_disabled.xpm"
#include "res/art/delete_hover.xpm"
#include "res/art/draw_next.xpm"
#include "res/art/draw_next_hover.xpm"
#include "res/art/icon16.xpm"
#include "res/art/icon32.xpm"
#include "res/art/undo.xpm"
#include "res/art/undo_disabled.xpm"
#include "res/art/undo_hover.xpm"

const char* const* FindBitmapXpm(int id)
{
    switch (id) {
    case IDB_DRAW_NEXT:
        return draw_next_xpm;
    case IDB_DRAW_NEXT_HOVER:
        return draw_next_hover_xpm;
    case IDB_UNDO:
        return undo_xpm;
    case IDB_UNDO_HOVER:
        return undo_hover_xpm;
    case IDB_UNDO_DISABLED:
        return undo_disabled_xpm;
    case IDB_DELETE:
        return delete_xpm;
    case IDB_DELETE_HOVER:
        return delete_hover_xpm;
    case IDB_DELETE_DISABLED:
        return delete_disabled_xpm;
    case IDB_BANNER:
        return banner_xpm;
    default:
        return nullptr;
    }
}

const char* const* FindCursorXpm(int id)
{
    switch (id) {
    case IDCUR_SELECT:
        return cursor_select_xpm;
    case IDCUR_DELETE:
        return cursor_delete_xpm;
    default:
        return nullptr;
    }
}

const char* const* FindIconXpm(int size)
{
    switch (size) {
    case 16:
        return icon16_xpm;
    case 32:
        return icon32_xpm;
    default:
        return nullptr;
    }
}
