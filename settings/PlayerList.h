#pragma once

#include "settings/BinaryFile.h"
#include "settings/SaveWarning.h"

#include <cstdint>
#include <string>
#include <vector>

const int32_t PLAYERS_MAX = 10;
const char* const PLAYERS_FILE = "players.kvd";

// The named players, in creation order, kept in players.kvd: a 32-bit count, then one 21-byte
// name field per player. Names are held as the file holds them; DisplayName gives their text.
// Creation and deletion are made under the file's lock to the list on disk, so that two games
// running in the same folder never drop each other's players; the list then holds the result.
class PlayerList
{
public:
    PlayerList() = default;
    virtual ~PlayerList() = default;

    // Replaces the list with the file's players; false, and the list unchanged, when the file
    // is missing, cannot be read, or is a folder, FIFO or device. Loading never writes it.
    bool Load();
    // Takes the players from a file's bytes. Whatever the bytes hold, the list ends with at most
    // PLAYERS_MAX names, none of them empty, and count equal to their number.
    void ReadBytes(const Bytes& bytes);
    // Writes the list as it is; false when the file could not be replaced, which the player is
    // told once. The list is kept either way.
    bool Save();
    Bytes ListBytes() const;
    // Appends a player, its name cut to 20 bytes the way the file keeps it.
    void Add(const std::string& name);
    // Removes the first player, in creation order, whose shown name is exactly name; false when
    // there is none.
    bool Remove(const std::string& name);
    // Adds a player to the list on disk and saves it; false, with nothing written, when that
    // list already holds PLAYERS_MAX players.
    bool Create(const std::string& name);
    // Removes the player shown as name from the list on disk and saves it; false, with nothing
    // read or written, when this list has no such player.
    bool Delete(const std::string& name);

    std::vector<std::string> players;
    int32_t count = 0;
    SaveWarning saveWarning;
};
