#include "settings/PlayingValues.h"

#include "settings/FileChange.h"
#include "settings/TempFile.h"

namespace {

bool InList(int32_t index, int32_t entries)
{
    return index >= 0 && index < entries;
}

// The file holds the indices in the order cols, rows, added, line, colours.
bool TakeIndices(PlayingValues& values, const Bytes& bytes)
{
    if (bytes.size() != DEFAULTS_FILE_SIZE) {
        return false;
    }
    int32_t cols = GetInt32(&bytes[0]);
    int32_t rows = GetInt32(&bytes[4]);
    int32_t added = GetInt32(&bytes[8]);
    int32_t line = GetInt32(&bytes[12]);
    int32_t colors = GetInt32(&bytes[16]);
    if (!InList(cols, BOARD_SIZE_ENTRIES) || !InList(rows, BOARD_SIZE_ENTRIES) ||
        !InList(added, ADDED_PIECES_ENTRIES) || !InList(line, LINE_LENGTH_ENTRIES) ||
        !InList(colors, COLOR_COUNT_ENTRIES)) {
        return false;
    }
    values.colsIndex = cols;
    values.rowsIndex = rows;
    values.addedIndex = added;
    values.lineIndex = line;
    values.colorsIndex = colors;
    return true;
}

} // namespace

void PlayingValues::ReadDefaultsFile()
{
    RemoveStaleTempFiles(DEFAULTS_FILE);
    Bytes bytes;
    if (!ReadWholeFile(DEFAULTS_FILE, bytes) || !ReadDefaultsBytes(bytes)) {
        SetFactoryValues();
    }
}

bool PlayingValues::ReadDefaultsBytes(const Bytes& bytes)
{
    if (TakeIndices(*this, bytes)) {
        return true;
    }
    Bytes restored;
    return bytes.size() > DEFAULTS_FILE_SIZE && UndoTextMode(bytes, restored) &&
           TakeIndices(*this, restored);
}

void PlayingValues::SetFactoryValues()
{
    colsIndex = 4;
    rowsIndex = 4;
    addedIndex = 2;
    lineIndex = 2;
    colorsIndex = 5;
    square = 1;
}

bool PlayingValues::WriteDefaultsFile()
{
    // Nothing to merge: the five indices replace the file as a whole.
    FileChange change(DEFAULTS_FILE);
    return change.Save(DefaultsBytes(), saveWarning);
}

Bytes PlayingValues::DefaultsBytes() const
{
    Bytes bytes;
    PutInt32(bytes, colsIndex);
    PutInt32(bytes, rowsIndex);
    PutInt32(bytes, addedIndex);
    PutInt32(bytes, lineIndex);
    PutInt32(bytes, colorsIndex);
    return bytes;
}
