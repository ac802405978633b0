#pragma once

#include <cstdint>

// The little that the file layer's shared code needs to know of the system it runs on. Each
// system's folder (settings/posix, settings/windows) defines these, and the build compiles the
// folder of the system it builds for.

// An open file as the system hands it out: a descriptor on POSIX, a HANDLE on Windows. Neither
// system gives -1 for a file it opened, so -1 means none on both.
using NativeFile = std::intptr_t;
const NativeFile NO_NATIVE_FILE = -1;

// The characters that end a folder's name in a path; paths are joined with the first. POSIX
// has only '/'; Windows takes '/' as well as its own '\'.
extern const char PATH_SEPARATORS[];

// Bits that differ between two games started at the same moment, from the system's random
// source, the process id and the clock: the seed of the temporary names.
uint64_t SystemRandomSeed();
