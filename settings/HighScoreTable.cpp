#include "settings/HighScoreTable.h"

#include "platform/MessageBox.h"
#include "platform/Translation.h"
#include "settings/DataFileRead.h"
#include "settings/DisplayName.h"
#include "settings/FileChange.h"
#include "settings/TempFile.h"

#include <cstdio>
#include <utility>

namespace {

// "%20s": right-aligned in 20 columns; the cut keeps longer names to the field.
std::string FormatName(const std::string& name)
{
    const std::string text = CutName(name);
    std::string formatted(NAME_MAX_BYTES, ' ');
    return formatted.replace(NAME_MAX_BYTES - text.size(), text.size(), text);
}

} // namespace

int HighScoreTable::Load()
{
    RemoveStaleTempFiles(HIGH_SCORES_FILE);
    Bytes bytes;
    int error = 0;
    const DataFileState state = ReadDataFile(HIGH_SCORES_FILE, bytes, error);
    if (state == DATA_FILE_READ && ReadBytes(bytes)) {
        return 1;
    }
    SetDefaultTable();
    // Only a missing or damaged file is replaced without the player asking.
    if (state != DATA_FILE_MISSING && state != DATA_FILE_READ) {
        return 0;
    }
    // Start-up never waits for another game: one that holds the lock is writing the table now,
    // and the default table stays in memory only.
    FileChange change(HIGH_SCORES_FILE, std::chrono::milliseconds(0));
    // Another game may have written a whole table in the meantime.
    if (change.state == DATA_FILE_READ && ReadBytes(change.bytes)) {
        return 1;
    }
    if (change.lock.state == LockState::BUSY) {
        return 0;
    }
    if (change.state == DATA_FILE_MISSING || change.state == DATA_FILE_READ) {
        change.Save(TableBytes(), saveWarning);
    }
    return 0;
}

bool HighScoreTable::ReadBytes(const Bytes& bytes)
{
    // A file written in text mode reads as its restored form only when that is a whole table;
    // otherwise the first 125 bytes are the table and anything after them is ignored.
    Bytes restored;
    const Bytes* source = &bytes;
    if (bytes.size() > HIGH_SCORES_FILE_SIZE && UndoTextMode(bytes, restored) &&
        restored.size() == HIGH_SCORES_FILE_SIZE) {
        source = &restored;
    }
    if (source->size() < HIGH_SCORES_FILE_SIZE) {
        return false;
    }
    std::string readNames[HIGH_SCORE_ENTRIES];
    int32_t readScores[HIGH_SCORE_ENTRIES];
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        const unsigned char* record = source->data() + HIGH_SCORE_RECORD_SIZE * i;
        int32_t score = GetInt32(record + NAME_FIELD_SIZE);
        if (score < 0) {
            return false;
        }
        // Insertion from the end keeps entries of equal score in their file order.
        int place = i;
        while (place > 0 && readScores[place - 1] < score) {
            readNames[place] = std::move(readNames[place - 1]);
            readScores[place] = readScores[place - 1];
            --place;
        }
        readNames[place] = FormatName(GetName(record));
        readScores[place] = score;
    }
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        names[i] = std::move(readNames[i]);
        scores[i] = readScores[i];
    }
    return true;
}

bool HighScoreTable::Save()
{
    FileChange change(HIGH_SCORES_FILE);
    return change.Save(TableBytes(), saveWarning);
}

Bytes HighScoreTable::TableBytes() const
{
    Bytes bytes;
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        PutName(bytes, names[i]);
        PutInt32(bytes, scores[i]);
    }
    return bytes;
}

void HighScoreTable::SetDefaultTable()
{
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        names[i] = FormatName("Kirun");
        scores[i] = 0;
    }
}

void HighScoreTable::TakeTableOnDisk(const FileChange& change)
{
    if (change.state == DATA_FILE_READ) {
        ReadBytes(change.bytes);
    }
}

bool HighScoreTable::Reset()
{
    SetDefaultTable();
    return Save();
}

bool HighScoreTable::Insert(int32_t score, const std::string& name)
{
    FileChange change(HIGH_SCORES_FILE);
    TakeTableOnDisk(change);
    int place = 0;
    while (place < HIGH_SCORE_ENTRIES && scores[place] >= score) {
        ++place;
    }
    if (place == HIGH_SCORE_ENTRIES) {
        return false;
    }
    for (int i = HIGH_SCORE_ENTRIES - 1; i > place; --i) {
        names[i] = names[i - 1];
        scores[i] = scores[i - 1];
    }
    names[place] = FormatName(name);
    scores[place] = score;
    // A failed write does not take the score out again: it stays in the table until the game
    // ends, and the player is told that the file did not take it.
    change.Save(TableBytes(), saveWarning);
    return true;
}

std::string HighScoreTable::ShowText() const
{
    std::string text;
    for (int i = 0; i < HIGH_SCORE_ENTRIES; ++i) {
        char score[16];
        std::snprintf(score, sizeof(score), "%5d\n", scores[i]);
        // A Windows name decodes byte for character, so the columns stay aligned.
        text += DisplayName(names[i]);
        text += '\t';
        text += score;
    }
    return text;
}

void HighScoreTable::Show(Window* parent) const
{
    const std::string text = ShowText();
    if (parent) {
        MessageBox(parent, text.c_str(), _("High Scores"), MB_OK);
    } else {
        AppMessageBox(text.c_str(), MB_OK);
    }
}
