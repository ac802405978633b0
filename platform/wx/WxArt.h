#pragma once

#include <wx/cursor.h>
#include <wx/iconbndl.h>

class Cursor;
class Icon;

// The game's cursors and icon as wx objects, made once per cursor or icon and kept (the game's
// cursors and icons live as long as the program).
class WxArt
{
public:
    // The cursor with its hot spot; the standard arrow for nullptr.
    static const wxCursor& CursorOf(const Cursor* cursor);
    // The icon's big and small images.
    static const wxIconBundle& IconsOf(const Icon* icon);
};
