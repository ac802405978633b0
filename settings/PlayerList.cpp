#include "settings/PlayerList.h"

#include "settings/DataFileRead.h"
#include "settings/DisplayName.h"
#include "settings/FileChange.h"
#include "settings/TempFile.h"

#include <algorithm>

namespace {

const size_t COUNT_SIZE = 4;

// The bytes of a complete list: a count of 0..10 and exactly that many name fields.
bool IsWholeList(const Bytes& bytes)
{
    if (bytes.size() < COUNT_SIZE) {
        return false;
    }
    int32_t count = GetInt32(bytes.data());
    return count >= 0 && count <= PLAYERS_MAX &&
           bytes.size() == COUNT_SIZE + NAME_FIELD_SIZE * static_cast<size_t>(count);
}

// Matches the players shown as name.
auto ShownAs(const std::string& name)
{
    return [&name](const std::string& player) { return DisplayName(player) == name; };
}

} // namespace

bool PlayerList::Load()
{
    RemoveStaleTempFiles(PLAYERS_FILE);
    Bytes bytes;
    int error = 0;
    if (ReadDataFile(PLAYERS_FILE, bytes, error) != DATA_FILE_READ) {
        return false;
    }
    ReadBytes(bytes);
    return true;
}

void PlayerList::ReadBytes(const Bytes& bytes)
{
    // A count of 10 is the byte 0x0A, so a full list written in text mode is common: its restored
    // form is read when it is a whole list and the bytes as they are are not.
    Bytes restored;
    const Bytes* source = &bytes;
    if (!IsWholeList(bytes) && UndoTextMode(bytes, restored) && IsWholeList(restored)) {
        source = &restored;
    }
    players.clear();
    count = 0;
    if (source->size() < COUNT_SIZE) {
        return;
    }
    // A count out of range or a file that ends early keeps the complete names there are, up to
    // ten; a negative count gives none. Empty names are skipped.
    int32_t announced = GetInt32(source->data());
    size_t offset = COUNT_SIZE;
    for (int32_t i = 0; i < announced && count < PLAYERS_MAX; ++i) {
        if (source->size() - offset < NAME_FIELD_SIZE) {
            break;
        }
        std::string name = GetName(source->data() + offset);
        offset += NAME_FIELD_SIZE;
        if (!name.empty()) {
            players.push_back(name);
            ++count;
        }
    }
}

bool PlayerList::Save()
{
    FileChange change(PLAYERS_FILE);
    return change.Save(ListBytes(), saveWarning);
}

Bytes PlayerList::ListBytes() const
{
    Bytes bytes;
    PutInt32(bytes, static_cast<int32_t>(players.size()));
    for (const std::string& name : players) {
        PutName(bytes, name);
    }
    return bytes;
}

void PlayerList::Add(const std::string& name)
{
    players.push_back(CutName(name));
    count = static_cast<int32_t>(players.size());
}

bool PlayerList::Remove(const std::string& name)
{
    auto found = std::find_if(players.begin(), players.end(), ShownAs(name));
    if (found == players.end()) {
        return false;
    }
    players.erase(found);
    count = static_cast<int32_t>(players.size());
    return true;
}

bool PlayerList::Create(const std::string& name)
{
    FileChange change(PLAYERS_FILE);
    // A list that cannot be read is not merged: the save below then fails and says why.
    if (change.state == DATA_FILE_READ) {
        ReadBytes(change.bytes);
    }
    if (count >= PLAYERS_MAX) {
        return false;
    }
    Add(name);
    change.Save(ListBytes(), saveWarning);
    return true;
}

bool PlayerList::Delete(const std::string& name)
{
    if (std::none_of(players.begin(), players.end(), ShownAs(name))) {
        return false;
    }
    FileChange change(PLAYERS_FILE);
    if (change.state == DATA_FILE_READ) {
        ReadBytes(change.bytes);
    }
    // Another game may have deleted the player already; then there is nothing to write.
    if (Remove(name)) {
        change.Save(ListBytes(), saveWarning);
    }
    return true;
}
