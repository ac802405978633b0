#pragma once

#include "settings/BinaryFile.h"
#include "settings/SaveWarning.h"

#include <string>

// The name of the file of the view options in the player's configuration folder.
const char* const VIEW_OPTIONS_FILE = "view.conf";

// How the player likes the board shown, beyond the described files: whether every piece carries
// the symbol of its colour. It is kept in ${XDG_CONFIG_HOME:-$HOME/.config}/tobrix/view.conf
// (on Windows %APPDATA%\tobrix\view.conf) as one text line, "symbols=on" or "symbols=off", so
// that the choice follows the player rather than the folder the game starts in. A missing, damaged
// or unreadable file means every option off: it never stops the game from starting.
class ViewOptions
{
public:
    ViewOptions() = default;
    virtual ~ViewOptions() = default;

    // The folder the file lies in, from the environment (see ConfigFolder); empty when it
    // names none.
    static std::string Folder();
    static std::string FileName();

    // Takes the options from the file; all off when it cannot be had.
    void Load();
    // The options from a file's bytes; false (and all off) unless they are a valid file.
    bool ReadBytes(const Bytes& bytes);
    Bytes OptionBytes() const;
    // Makes the folder when it is missing (readable by the player alone) and replaces the file
    // under its lock; false when that failed, which the player is told once.
    bool Save();

    bool symbols = false;
    SaveWarning saveWarning;
};
