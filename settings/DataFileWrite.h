#pragma once

#include "settings/BinaryFile.h"

#include <string>

// Replaces the file as a whole: the bytes go to a new temporary file of a unique name in the
// same folder, created exclusively and never through a link, which is synced, renamed over the
// file, and then the folder is synced. So a crash, a full disk or a link planted by someone
// else never leaves a half-written file or writes anywhere else. The new file keeps the mode
// of the regular file it replaces. Gives 0, or the errno of the step that failed; on failure
// the previous file is left as it was and the temporary file is gone.
int ReplaceFile(const std::string& fileName, const Bytes& bytes);
