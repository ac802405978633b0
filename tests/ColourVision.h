#pragma once

#include "platform/Color.h"

#include <algorithm>
#include <cmath>

// What a player can tell apart: WCAG 2 relative luminance and contrast ratio, and dichromatic
// vision as Machado, Oliveira and Fernandes (2009) simulate it at severity 1.0 in linear RGB.

inline double LinearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double ContrastRatio(ColorRef a, ColorRef b)
{
    const auto luminance = [](ColorRef c) {
        return 0.2126 * LinearChannel(GetRValue(c)) + 0.7152 * LinearChannel(GetGValue(c)) +
               0.0722 * LinearChannel(GetBValue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Vision
{
    const char* name;
    double matrix[3][3];
};

constexpr Vision VISIONS[] = {
    {"normal", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {"protanopia",
     {{0.152286, 1.052583, -0.204868},
      {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},
    {"deuteranopia",
     {{0.367322, 0.860646, -0.227968},
      {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},
    {"tritanopia",
     {{1.255528, -0.076749, -0.178779},
      {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},
};

// The colour as that vision sees it, back in sRGB.
inline ColorRef Simulate(const Vision& vision, ColorRef color)
{
    const double in[3] = {LinearChannel(GetRValue(color)), LinearChannel(GetGValue(color)),
                          LinearChannel(GetBValue(color))};
    int out[3];
    for (int row = 0; row < 3; ++row) {
        const double* m = vision.matrix[row];
        const double c = std::clamp(m[0] * in[0] + m[1] * in[1] + m[2] * in[2], 0.0, 1.0);
        const double encoded = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
        out[row] = static_cast<int>(std::lround(encoded * 255.0));
    }
    return Rgb(out[0], out[1], out[2]);
}
