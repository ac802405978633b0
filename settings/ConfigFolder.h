#pragma once

#include <string>

// Where the player's own settings beyond the game's three data files live: the folder tobrix in the
// desktop's place for them. Each system's folder (settings/posix, settings/windows) defines
// these.

// The folder, from the environment: on POSIX ${XDG_CONFIG_HOME:-$HOME/.config}/tobrix, taking
// each variable only when it is an absolute path, as the XDG rules say; on Windows tobrix in
// %APPDATA%, when that is an absolute path. Empty when the environment names no folder.
std::string ConfigFolder();

// Why ConfigFolder() is empty, in the player's language.
const char* NoConfigFolderReason();

// Makes the desktop's folder for settings, which a fresh account may lack, and the folder in
// it, readable by the player alone, as far as they are missing. 0, or the errno of the step
// that failed.
int MakeConfigFolder(const std::string& folder);
