#pragma once

#include "platform/Dialog.h"
#include "settings/PlayerList.h"

#include <string>

// The modal "Players" dialog: create and delete named players and choose who plays. It holds
// the player list for the whole run; every creation and deletion is made to players.kvd at
// once, so Cancel undoes neither, and the list box then shows the list as the file holds it. After
// OK, selectedName is the chosen player ("" for none).
class PlayersDialog : public Dialog
{
public:
    PlayersDialog();
    ~PlayersDialog() override = default;

    // Takes the list from players.kvd; a missing file leaves the list as it is.
    void LoadPlayers();
    void SavePlayers();

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    void OnOK() override;
    void OnCreate();
    void OnDelete();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }

    // Fills the list box with every player's shown name; no entry is selected then.
    void ShowPlayers();

    PlayerList playerList;
    std::string selectedName;
    std::string newName;
};
