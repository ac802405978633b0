#pragma once

#include "platform/PropertySheet.h"
#include "settings/AnimationPage.h"
#include "settings/GameSettings.h"
#include "settings/PlayingPage.h"
#include "settings/PreferenceValues.h"
#include "settings/RewardingPage.h"

// The modal "Preferences" sheet with its three tabs. It lives as long as the main window, so
// what the player edits stays in the pages from one opening to the next; the game sees it only
// through FillSettings, which the main window calls after OK.
class PreferencesSheet : public PropertySheet
{
public:
    explicit PreferencesSheet(Window* parent);
    ~PreferencesSheet() override = default;

    // The tabs in the order Playing, Animation, Rewarding.
    void AddPages();
    // defaults.kvd (or the factory values), the start values of the other two pages, then
    // FillSettings on the same record.
    bool LoadDefaults(GameSettings& settings);
    GameSettings& FillSettings(GameSettings& settings);

    // Declared in this order: constructed Rewarding first, destroyed Playing first.
    RewardingPage rewardingPage;
    AnimationPage animationPage;
    PlayingPage playingPage;
    PreferenceValues values;
};
