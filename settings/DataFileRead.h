#pragma once

#include "settings/BinaryFile.h"

#include <string>

// What reading one of the game's files found.
enum DataFileState
{
    DATA_FILE_READ,        // a regular file, read whole (up to FILE_READ_LIMIT bytes)
    DATA_FILE_MISSING,     // no file of that name, or a link that leads nowhere
    DATA_FILE_NOT_REGULAR, // a directory, a FIFO, a device, a socket or a Windows reparse point:
                           // damaged, never read
    DATA_FILE_UNREADABLE,  // there, but it cannot be opened or read (permissions, I/O errors)
};

// Reads a file without ever waiting on it: only a regular file is read, on POSIX also through
// a link to one; anything else (and on Windows any reparse point, a link or a junction) is
// never read from. error is the errno of an unreadable file.
DataFileState ReadDataFile(const std::string& fileName, Bytes& bytes, int& error);
