#pragma once

#include "platform/Color.h"

// The colours the tests compare pixels with: the grey face the game's windows are painted on,
// black and white.
constexpr ColorRef FACE = Rgb(192, 192, 192);
constexpr ColorRef BLACK = Rgb(0, 0, 0);
constexpr ColorRef WHITE = Rgb(255, 255, 255);
