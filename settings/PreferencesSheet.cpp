#include "settings/PreferencesSheet.h"

#include "platform/Translation.h"
PreferencesSheet::PreferencesSheet(Window* parent)
    : PropertySheet(_("Preferences"), parent, 0), values(playingPage, animationPage, rewardingPage)
{
}

// A second call would show every tab twice.
void PreferencesSheet::AddPages()
{
    if (GetPageCount() > 0) {
        return;
    }
    AddPage(&playingPage);
    AddPage(&animationPage);
    AddPage(&rewardingPage);
}

bool PreferencesSheet::LoadDefaults(GameSettings& settings)
{
    return values.LoadDefaults(settings);
}

GameSettings& PreferencesSheet::FillSettings(GameSettings& settings)
{
    return values.FillSettings(settings);
}
