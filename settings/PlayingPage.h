#pragma once

#include "platform/PropertyPage.h"
#include "settings/PlayingValues.h"

// The "Playing" tab: the board size, the pieces added per turn, the line length and the number
// of colours as drop-down lists, the Square box, and the two buttons over defaults.kvd.
class PlayingPage : public PropertyPage, public PlayingValues
{
public:
    PlayingPage();
    ~PlayingPage() override = default;

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

    void OnSquare();
    void OnColsChanged();
    void LoadFactoryDefaults();
    void SaveAsDefault();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }

private:
    void EnableRowsList();
};
