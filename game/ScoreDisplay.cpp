#include "game/ScoreDisplay.h"

#include "platform/DeviceContext.h"

#include <cstdio>

void ScoreDisplay::AddPoints(int points)
{
    value += points;
}

void ScoreDisplay::Draw(DeviceContext& dc)
{
    Pen darkPen(PS_SOLID, 2, Rgb(120, 0, 0));
    Pen litPen(PS_SOLID, 2, Rgb(255, 0, 0));

    char text[16];
    const int length = std::snprintf(text, sizeof text, "%d", value);
    if (length != digitCount) {
        dc.FillSolidRect(rect, Rgb(0, 0, 0));
    }
    digitCount = length;

    const int width = rect.Width() / length;
    const int halfHeight = rect.Height() / 2;
    int x = rect.left;
    for (int i = 0; i < length; ++i, x += width) {
        // The game never makes the score negative; should it ever be, the minus sign's place
        // stays blank rather than indexing the digit table with it.
        if (text[i] < '0' || text[i] > '9') {
            continue;
        }
        const unsigned char* lit = DigitSegments[text[i] - '0'];
        for (int pass = 0; pass < 2; ++pass) {
            // The dark segments first, so that the lit ones cover the shared end points.
            dc.SelectObject(pass == 0 ? &darkPen : &litPen);
            for (int s = 0; s < 7; ++s) {
                if (lit[s] != pass) {
                    continue;
                }
                const SegmentLine& line = SegmentCoords[s];
                dc.MoveTo(x + 2 + line.x1 * (width - 4), rect.top + 3 + line.y1 * (halfHeight - 2));
                dc.LineTo(x + 2 + line.x2 * (width - 4), rect.top + 3 + line.y2 * (halfHeight - 2));
            }
        }
    }
    dc.SelectStockObject(BLACK_PEN);
}
