#include "settings/AnimationPage.h"

#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"

namespace {

const CommandEntry animationCommands[] = {
    MapCommand(IDC_FADE_ENABLE, &AnimationPage::OnFadeEnable),
    MapCommand(IDC_TRAVEL_ENABLE, &AnimationPage::OnTravelEnable),
};

// The position is set again once the range exists: the transfer before it ran against the
// slider's initial range.
void SetUpSlider(Control* slider, int32_t enabled, int32_t position)
{
    if (!slider) {
        return;
    }
    slider->SetRange(SPEED_SLOWEST, SPEED_FASTEST, true);
    slider->EnableWindow(enabled != 0);
    slider->SetPos(position);
}

void EnableSlider(Control* slider, int32_t enabled)
{
    if (slider) {
        slider->EnableWindow(enabled != 0);
    }
}

} // namespace

const CommandMap AnimationPage::commandMap{
    &PropertyPage::commandMap, animationCommands,
    static_cast<int>(sizeof animationCommands / sizeof animationCommands[0])};

AnimationPage::AnimationPage() : PropertyPage(IDD_ANIMATION) {}

bool AnimationPage::OnInitDialog()
{
    UpdateData(false);
    SetUpSlider(GetDlgItem(IDC_FADE_SLIDER), fadeEnabled, fadeSlider);
    SetUpSlider(GetDlgItem(IDC_TRAVEL_SLIDER), travelEnabled, travelSlider);
    return true;
}

void AnimationPage::DoDataExchange(DataExchange& dx)
{
    dx.Check(IDC_FADE_ENABLE, fadeEnabled);
    dx.Check(IDC_TRAVEL_ENABLE, travelEnabled);
    dx.Slider(IDC_FADE_SLIDER, fadeSlider);
    dx.Slider(IDC_TRAVEL_SLIDER, travelSlider);
}

void AnimationPage::OnFadeEnable()
{
    UpdateData(true);
    EnableSlider(GetDlgItem(IDC_FADE_SLIDER), fadeEnabled);
}

void AnimationPage::OnTravelEnable()
{
    UpdateData(true);
    EnableSlider(GetDlgItem(IDC_TRAVEL_SLIDER), travelEnabled);
}
