#pragma once

#include <cstdint>

// The sliders run from 1 (top, "slow") to 5 (bottom, "fast").
const int32_t SPEED_SLOWEST = 1;
const int32_t SPEED_FASTEST = 5;

// What the Animation page edits: an Enable box and a speed slider for each of the fade and the
// travel animations. Never stored: every run starts with SetStartValues.
class AnimationValues
{
public:
    AnimationValues() = default;
    virtual ~AnimationValues() = default;

    // Both animations on at the middle speed.
    void SetStartValues();

    int32_t fadeEnabled = 0;
    int32_t travelEnabled = 0;
    int32_t fadeSlider = 0;
    int32_t travelSlider = 0;
};
