#pragma once

#include "settings/BinaryFile.h"

#include <cstdint>
#include <string>
#include <vector>

const int32_t PLAYERS_MAX = 10;
const char* const PLAYERS_FILE = "players.kvd";

// The named players, in creation order, kept in players.kvd: a 32-bit count, then one 21-byte
// name field per player.
class PlayerList
{
public:
    PlayerList() = default;
    virtual ~PlayerList() = default;

    // Replaces the list with the file's players; false, and the list unchanged, when the file
    // cannot be read. Loading never writes the file.
    bool Load();
    // Takes the players from a file's bytes. Whatever the bytes hold, the list ends with at most
    // PLAYERS_MAX names, none of them empty, and count equal to their number.
    void ReadBytes(const Bytes& bytes);
    // False when the file could not be replaced; the list is kept either way.
    bool Save() const;
    Bytes ListBytes() const;
    // Appends a player, its name cut to 20 bytes the way the file keeps it.
    void Add(const std::string& name);
    // Removes the first player, in creation order, named exactly so; false when there is none.
    bool Remove(const std::string& name);

    std::vector<std::string> players;
    int32_t count = 0;
};
