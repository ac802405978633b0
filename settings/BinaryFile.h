#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The game keeps its three files as flat records: 32-bit signed little-endian integers and
// 21-byte name fields (at most 20 bytes of text and a terminating zero), no headers.

using Bytes = std::vector<unsigned char>;

const size_t NAME_FIELD_SIZE = 21;
const size_t NAME_MAX_BYTES = 20;

// The game's files are a few hundred bytes at most. Reading stops here so that a huge file in
// place of one of them cannot exhaust memory; a file that long is damaged anyway.
const size_t FILE_READ_LIMIT = 65536;

// Reads the whole file, up to FILE_READ_LIMIT bytes. False when it is missing, cannot be read
// or is not a regular file (see ReadDataFile).
bool ReadWholeFile(const std::string& fileName, Bytes& bytes);

// Replaces the file as a whole (see ReplaceFile), without taking its lock: the game's own
// changes go through FileChange. On failure the previous file is left as it was and the result
// is false.
bool WriteWholeFile(const std::string& fileName, const Bytes& bytes);

int32_t GetInt32(const unsigned char* source);
void PutInt32(Bytes& bytes, int32_t value);

// Cuts a name to NAME_MAX_BYTES bytes without splitting a UTF-8 character.
std::string CutName(const std::string& name);

// The text of a name field: its bytes up to the first zero (or all 21), cut like CutName.
std::string GetName(const unsigned char* field);

// Appends a name field: the name cut like CutName, then zeros up to 21 bytes.
void PutName(Bytes& bytes, const std::string& name);

// Files written on Windows in text mode hold every byte 0x0A as the pair 0x0D 0x0A. Gives the
// bytes with every such pair turned back into 0x0A; false when there was no pair to replace.
bool UndoTextMode(const Bytes& bytes, Bytes& restored);
