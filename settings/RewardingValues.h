#pragma once

#include <cstdint>

// The radio buttons of the reward mode; -1 when neither is checked.
const int32_t REWARD_IMMEDIATELY = 0;
const int32_t REWARD_PILE = 1;

// What the Rewarding page edits. Never stored: every run starts with SetStartValues.
class RewardingValues
{
public:
    RewardingValues() = default;
    virtual ~RewardingValues() = default;

    // Rewarding on, in "Pile" mode.
    void SetStartValues();

    int32_t rewardEnabled = 0;
    int32_t rewardMode = -1;
};
