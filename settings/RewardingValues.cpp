#include "settings/RewardingValues.h"

void RewardingValues::SetStartValues()
{
    rewardEnabled = 1;
    rewardMode = REWARD_PILE;
}
