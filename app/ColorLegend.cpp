#include "app/ColorLegend.h"

#include "board/PieceColors.h"
#include "platform/DeviceContext.h"

void DrawColorSwatches(DeviceContext& dc, const Rect& panel, int colorCount)
{
    const int width = panel.Width() / 4;
    const int height = panel.Height() / 2;
    for (int index = 0; index < PIECE_COLOR_COUNT; ++index) {
        const int left = panel.left + (index % 4) * width;
        const int top = panel.top + (index / 4) * height;
        dc.FillSolidRect(left, top, width, height,
                         index < colorCount ? PieceColor(index) : PANEL_GREY);
    }
}
