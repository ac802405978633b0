#pragma once

#include "settings/AnimationValues.h"
#include "settings/GameSettings.h"
#include "settings/PlayingValues.h"
#include "settings/RewardingValues.h"

// The Preferences sheet's work on the values of its three pages: filling GameSettings from
// them, and giving them their values at start-up. The sheet holds one of these over its pages.
class PreferenceValues
{
public:
    PreferenceValues(PlayingValues& playing, AnimationValues& animation,
                     RewardingValues& rewarding);
    virtual ~PreferenceValues() = default;

    // defaults.kvd (or the factory values), the start values of the other two pages, then
    // FillSettings on the same record.
    bool LoadDefaults(GameSettings& settings);
    GameSettings& FillSettings(GameSettings& settings) const;

    PlayingValues& playing;
    AnimationValues& animation;
    RewardingValues& rewarding;
};
