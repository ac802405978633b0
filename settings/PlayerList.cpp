#include "settings/PlayerList.h"

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

} // namespace

bool PlayerList::Load()
{
    Bytes bytes;
    if (!ReadWholeFile(PLAYERS_FILE, bytes)) {
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

bool PlayerList::Save() const
{
    return WriteWholeFile(PLAYERS_FILE, ListBytes());
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
    auto found = std::find(players.begin(), players.end(), name);
    if (found == players.end()) {
        return false;
    }
    players.erase(found);
    count = static_cast<int32_t>(players.size());
    return true;
}
