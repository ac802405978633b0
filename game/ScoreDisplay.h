#pragma once

#include "platform/Geometry.h"

#include <cstdint>

class DeviceContext;

// The seven segments as lines on a grid one unit wide and two high (y grows downwards):
// top, upper left, upper right, middle, lower left, lower right, bottom.
struct SegmentLine
{
    int x1;
    int y1;
    int x2;
    int y2;
};

constexpr SegmentLine SegmentCoords[7] = {
    {0, 0, 1, 0}, {0, 0, 0, 1}, {1, 0, 1, 1}, {0, 1, 1, 1},
    {0, 1, 0, 2}, {1, 1, 1, 2}, {0, 2, 1, 2},
};

// Which segments each decimal digit lights (1) or leaves dark (0), in segment order.
constexpr unsigned char DigitSegments[10][7] = {
    {1, 1, 1, 0, 1, 1, 1}, // 0
    {0, 0, 1, 0, 0, 1, 0}, // 1
    {1, 0, 1, 1, 1, 0, 1}, // 2
    {1, 0, 1, 1, 0, 1, 1}, // 3
    {0, 1, 1, 1, 0, 1, 0}, // 4
    {1, 1, 0, 1, 0, 1, 1}, // 5
    {1, 1, 0, 1, 1, 1, 1}, // 6
    {1, 0, 1, 0, 0, 1, 0}, // 7
    {1, 1, 1, 1, 1, 1, 1}, // 8
    {1, 1, 1, 1, 0, 1, 1}, // 9
};

// The score, shown as red seven-segment digits like an LED counter. Every segment is drawn on
// each Draw, the dark ones in dark red, so a score with as many digits as before overwrites the
// old one completely; the box is cleared only when the number of digits changes.
class ScoreDisplay
{
public:
    ScoreDisplay() = default;
    virtual ~ScoreDisplay() = default;

    void AddPoints(int points);
    void Draw(DeviceContext& dc);

    std::int32_t value = 0;
    Rect rect{0, 0, 0, 0};
    std::int32_t digitCount = 1;
};
