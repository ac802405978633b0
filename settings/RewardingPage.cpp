#include "settings/RewardingPage.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"

namespace {

const CommandEntry rewardingCommands[] = {
    MapCommand(IDC_REWARD_ENABLE, &RewardingPage::OnRewardEnable),
};

} // namespace

const CommandMap RewardingPage::commandMap{
    &PropertyPage::commandMap, rewardingCommands,
    static_cast<int>(sizeof rewardingCommands / sizeof rewardingCommands[0])};

RewardingPage::RewardingPage() : PropertyPage(IDD_REWARDING) {}

bool RewardingPage::OnInitDialog()
{
    UpdateData(false);
    EnableRewardGroup();
    return true;
}

void RewardingPage::DoDataExchange(DataExchange& dx)
{
    dx.Check(IDC_REWARD_ENABLE, rewardEnabled);
    dx.Radio(IDC_IMMEDIATELY, rewardMode);
}

void RewardingPage::OnRewardEnable()
{
    UpdateData(true);
    EnableRewardGroup();
}

void RewardingPage::EnableRewardGroup()
{
    for (int id : {IDC_REWARD_GROUP, IDC_IMMEDIATELY, IDC_PILE}) {
        if (Control* item = GetDlgItem(id)) {
            item->EnableWindow(rewardEnabled != 0);
        }
    }
}
