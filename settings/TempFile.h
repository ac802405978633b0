#pragma once

#include "settings/FileSystem.h"

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

// Creates a temporary file for fileName under a fresh name, exclusively and never through a
// link, and keeps it from every other game's clean-up while it is open: POSIX locks it
// (flock); on Windows the handle shares no writing, which the clean-up's unshared open cannot
// get past. Gives the file, open for writing, and the name; or NO_NATIVE_FILE and the errno.
NativeFile CreateTempFile(const std::string& fileName, std::string& tempName, int& error);

// Removes the regular temporary files of fileName that a crash left behind: those nobody holds
// open for a save (see CreateTempFile). The file of another game's save under way stays;
// nothing waits, nothing is created, and when there are none nothing changes.
void RemoveStaleTempFiles(const std::string& fileName);
