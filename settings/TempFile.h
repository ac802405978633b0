#pragma once

#include <string>

// Every save writes a new temporary file beside the game's file and renames it over the file.
// Its name is the file's name, ".tmp-" and six random letters or digits; builds before this
// one used the file's name and ".tmp". Nothing else the player keeps is taken for one.

// The folder a file name lies in: "." for a bare name.
std::string DirectoryOf(const std::string& fileName);

// A fresh temporary name for fileName, different on every call and in every process.
std::string NewTempFileName(const std::string& fileName);

// Whether entry, a name in the file's folder, is one of the game's temporary names for it.
bool IsTempFileOf(const std::string& entry, const std::string& fileName);

// Removes the regular temporary files of fileName that a crash left behind. They are looked
// for under the file's lock, so that the save of another running game keeps its own; when
// there are none, nothing is created and nothing changes.
void RemoveStaleTempFiles(const std::string& fileName);
