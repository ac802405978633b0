#pragma once

#include "settings/BinaryFile.h"
#include "settings/SaveWarning.h"

#include <cstdint>

// Each list of the Playing page shows consecutive numbers in ascending order; an index into a
// list stands for FIRST + index.
const int32_t BOARD_SIZE_FIRST = 5;
const int32_t BOARD_SIZE_ENTRIES = 16;
const int32_t ADDED_PIECES_FIRST = 1;
const int32_t ADDED_PIECES_ENTRIES = 5;
const int32_t LINE_LENGTH_FIRST = 3;
const int32_t LINE_LENGTH_ENTRIES = 5;
const int32_t COLOR_COUNT_FIRST = 1;
const int32_t COLOR_COUNT_ENTRIES = 8;

const char* const DEFAULTS_FILE = "defaults.kvd";
const size_t DEFAULTS_FILE_SIZE = 20;

// What the Playing page edits: the selected index of each list (-1 for none) and the Square
// box. The page itself adds the controls; the values and their file live here.
class PlayingValues
{
public:
    PlayingValues() = default;
    virtual ~PlayingValues() = default;

    // Takes the five indices from defaults.kvd, or the factory values for all six when the file
    // is missing or damaged. The file never decides the Square box.
    void ReadDefaultsFile();
    // The same from a file's bytes; false (and nothing changed) unless they are a valid file.
    bool ReadDefaultsBytes(const Bytes& bytes);
    // A square 9 by 9 board, 3 added pieces, line 5, 6 colours.
    void SetFactoryValues();
    // Writes the five indices to defaults.kvd; false when the file could not be replaced,
    // which the player is told once.
    bool WriteDefaultsFile();
    Bytes DefaultsBytes() const;

    int32_t addedIndex = -1;
    int32_t colsIndex = -1;
    int32_t rowsIndex = -1;
    int32_t lineIndex = -1;
    int32_t colorsIndex = -1;
    int32_t square = 0;
    SaveWarning saveWarning;
};
