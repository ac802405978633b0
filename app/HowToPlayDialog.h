#pragma once

#include "platform/Dialog.h"

// Help > How to play: the rules and the keys in a few short paragraphs, and OK.
class HowToPlayDialog : public Dialog
{
public:
    explicit HowToPlayDialog(Window* parent = nullptr);
    ~HowToPlayDialog() override = default;
};
