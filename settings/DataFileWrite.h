#pragma once

#include "settings/BinaryFile.h"

#include <string>

// Replaces the file as a whole: the bytes go to a new temporary file of a unique name in the
// same folder, created exclusively and never through a link, kept from other games' clean-up
// while it is written (see CreateTempFile), synced, and renamed over the file; then the folder
// is synced (on Windows the rename itself is written through). So a crash, a full disk or a
// link planted by someone else never leaves a half-written file or writes anywhere else. A
// regular file that this user may not write (its mode or read-only attribute, or another
// user's file in a shared folder) is kept: the result is EACCES or the access() error. On
// POSIX the new file keeps the mode of the regular file it replaces; on Windows, where
// another program may hold the file open for a moment, the rename is tried again for a second,
// and a link or junction at the file's name is refused (EPERM), never replaced. Gives 0 once
// the rename succeeded (a folder that cannot be synced after it is only reported on standard
// error), or the errno of the step that failed; on failure the previous file is left as it
// was and the temporary file is gone. Callers hold the file's lock (see FileChange).
int ReplaceFile(const std::string& fileName, const Bytes& bytes);
