#include "settings/PreferenceValues.h"

PreferenceValues::PreferenceValues(PlayingValues& playing, AnimationValues& animation,
                                   RewardingValues& rewarding)
    : playing(playing), animation(animation), rewarding(rewarding)
{
}

bool PreferenceValues::LoadDefaults(GameSettings& settings)
{
    playing.ReadDefaultsFile();
    animation.SetStartValues();
    rewarding.SetStartValues();
    FillSettings(settings);
    return true;
}

GameSettings& PreferenceValues::FillSettings(GameSettings& settings) const
{
    settings.boardCols = playing.colsIndex + BOARD_SIZE_FIRST;
    settings.boardRows =
        playing.square != 0 ? settings.boardCols : playing.rowsIndex + BOARD_SIZE_FIRST;
    settings.addedPieces = playing.addedIndex + ADDED_PIECES_FIRST;
    settings.lineLength = playing.lineIndex + LINE_LENGTH_FIRST;
    settings.colorCount = playing.colorsIndex + COLOR_COUNT_FIRST;
    settings.fadeSpeed = animation.fadeEnabled != 0 ? animation.fadeSlider : 0;
    settings.travelSpeed = animation.travelEnabled != 0 ? animation.travelSlider : 0;
    settings.rewardEnabled = rewarding.rewardEnabled;
    // No radio button checked counts as "Pile".
    settings.rewardPile = rewarding.rewardMode != REWARD_IMMEDIATELY ? 1 : 0;
    return settings;
}
