#pragma once

#include "settings/BinaryFile.h"
#include "settings/SaveWarning.h"

#include <cstdint>
#include <string>

class FileChange;
class Window;

const int HIGH_SCORE_ENTRIES = 5;
const char* const HIGH_SCORES_FILE = "hscores.kvd";
const size_t HIGH_SCORE_RECORD_SIZE = NAME_FIELD_SIZE + 4;
const size_t HIGH_SCORES_FILE_SIZE = HIGH_SCORE_RECORD_SIZE * HIGH_SCORE_ENTRIES;

// The five best final scores with their players' names, best first, kept in hscores.kvd. Every
// change is made under the file's lock to the table on disk, so that two games running in the
// same folder never drop each other's scores, and written at once; memory then shows the
// table as written. A save that fails is told to the player once.
class HighScoreTable
{
public:
    HighScoreTable() = default;
    virtual ~HighScoreTable() = default;

    // 1 when the table came from the file; 0 when the file was missing or damaged and the
    // default table replaced it, in memory and on disk. A file that cannot be read, or a
    // folder, FIFO or device in its place, gives the default table in memory only: the file
    // stays as it is. So does a file that another game is changing at that moment: loading
    // never waits for it.
    int Load();
    // Takes the table from a file's bytes; false (and the table unchanged) when they are damaged.
    bool ReadBytes(const Bytes& bytes);
    // False when the file could not be replaced; the table in memory is kept either way.
    bool Save();
    Bytes TableBytes() const;
    // Five entries "Kirun" with 0 points, then written like Save.
    bool Reset();
    // True when the score got into the table, as it is on disk now. A score equal to an
    // entry's goes below it, so one equal to the fifth does not enter and nothing is written.
    bool Insert(int32_t score, const std::string& name);
    // The text of the high-score box: one line per entry, the name (see DisplayName), a tab,
    // the score.
    std::string ShowText() const;
    // The table in a modal box captioned "High Scores" with only an OK button and no icon,
    // owned by the parent; without a parent, the application's own box.
    void Show(Window* parent) const;

    // Each name is held formatted "%20s": cut to 20 bytes, right-aligned with blanks.
    std::string names[HIGH_SCORE_ENTRIES];
    int32_t scores[HIGH_SCORE_ENTRIES] = {};
    SaveWarning saveWarning;

private:
    void SetDefaultTable();
    // Takes the table on disk, when there is a whole one, as the table to change.
    void TakeTableOnDisk(const FileChange& change);
};
