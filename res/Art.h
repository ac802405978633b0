#pragma once

// The game's pictures, as XPM data compiled into the program (res/art/*.xpm).

// The bitmap with that id (IDB_...), or nullptr for an id the game has no bitmap for.
const char* const* FindBitmapXpm(int id);
// The cursor with that id (IDCUR_...), 32 by 32 with its hot spot in the XPM values line.
const char* const* FindCursorXpm(int id);
// The application icon IDI_MAINFRAME in the given size, 16 or 32; nullptr for other sizes.
const char* const* FindIconXpm(int size);
