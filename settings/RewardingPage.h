#pragma once

#include "platform/PropertyPage.h"
#include "settings/RewardingValues.h"

// The "Rewarding" tab: the Enabled box and, in the "Reward" group, the two modes as radio
// buttons. Switching rewarding off greys the group but keeps the chosen mode.
class RewardingPage : public PropertyPage, public RewardingValues
{
public:
    RewardingPage();
    ~RewardingPage() override = default;

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

    void OnRewardEnable();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }

private:
    void EnableRewardGroup();
};
