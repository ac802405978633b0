#pragma once

#include "settings/HighScoreTable.h"
#include "settings/PlayerList.h"
#include "settings/PlayingValues.h"

#include <string>

// The owners of the game's three files, as one running game holds them.
struct Owners
{
    HighScoreTable table;
    PlayerList list;
    PlayingValues values;
};

// Each file with the game's start-up read of it (true when its contents were taken) and one
// change the player makes to it (true when the change reached the file).
struct GameFile
{
    std::string name;
    bool (*load)(Owners&);
    bool (*save)(Owners&);
};

inline const GameFile GAME_FILES[] = {
    {HIGH_SCORES_FILE, [](Owners& o) { return o.table.Load() == 1; },
     [](Owners& o) { return o.table.Reset(); }},
    {PLAYERS_FILE, [](Owners& o) { return o.list.Load(); },
     [](Owners& o) { return o.list.Create("Zoe") && !o.list.saveWarning.shown; }},
    {DEFAULTS_FILE,
     [](Owners& o) {
         o.values.ReadDefaultsFile();
         return o.values.square == 0;
     },
     [](Owners& o) {
         o.values.SetFactoryValues();
         return o.values.WriteDefaultsFile();
     }},
};

// What a game does on starting: it loads all three files.
inline void StartGame(Owners& o)
{
    for (const GameFile& f : GAME_FILES) {
        f.load(o);
    }
}
