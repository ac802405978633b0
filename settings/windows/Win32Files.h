#pragma once

// The Windows file layer's shared helpers. Windows' headers come in through here alone, lean:
// the layer needs none of the window manager's or the drawing calls, whose macros (MessageBox,
// RGB, ...) would rename the game's own functions in the files compiled after these in one
// batch.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef NOUSER
#define NOUSER
#endif
#ifndef NOGDI
#define NOGDI
#endif
#include <windows.h>
// The game's own ReplaceFile (settings/DataFileWrite.h) keeps its name.
#undef ReplaceFile

#include "settings/FileSystem.h"

#include <string>

// The game keeps paths in UTF-8; Windows names files in UTF-16. Empty for what is no valid
// UTF-8, which names no file.
std::wstring WidePath(const std::string& path);
std::string Utf8Path(const std::wstring& path);

// The errno value that tells the player what the Windows error means: the file layer reports
// errno values, which callers show with strerror.
int ErrnoFromWindows(DWORD error);

// The attributes of whatever is no regular file: a folder, a device, or a reparse point (a
// symbolic link, a junction), which the file layer never follows.
const DWORD NOT_REGULAR_ATTRIBUTES =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;

// Whether an open handle is a regular file on a disk. Opened with FILE_FLAG_OPEN_REPARSE_POINT,
// a link's handle is the link itself, which this refuses.
bool IsRegularFile(HANDLE file);

inline HANDLE AsHandle(NativeFile file)
{
    return reinterpret_cast<HANDLE>(file);
}

inline NativeFile AsNativeFile(HANDLE file)
{
    return reinterpret_cast<NativeFile>(file);
}
