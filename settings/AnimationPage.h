#pragma once

#include "platform/PropertyPage.h"
#include "settings/AnimationValues.h"

// The "Animation" tab: an Enable box and a vertical speed slider for the fade and for the
// travel animation. A cleared box locks its slider but keeps its position.
class AnimationPage : public PropertyPage, public AnimationValues
{
public:
    AnimationPage();
    ~AnimationPage() override = default;

    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;

    void OnFadeEnable();
    void OnTravelEnable();

    static const CommandMap commandMap;
    const CommandMap* GetCommandMap() const override { return &commandMap; }
};
