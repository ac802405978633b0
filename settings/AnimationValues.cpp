#include "settings/AnimationValues.h"

void AnimationValues::SetStartValues()
{
    fadeEnabled = 1;
    travelEnabled = 1;
    fadeSlider = 3;
    travelSlider = 3;
}
