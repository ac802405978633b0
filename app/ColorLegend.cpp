#include "app/ColorLegend.h"

#include "board/PieceColors.h"
#include "board/PieceSymbols.h"
#include "platform/DeviceContext.h"

#include <algorithm>

namespace {

// The swatch of a colour index: 4 columns and 2 rows from the panel's top-left corner.
Rect SwatchRect(const Rect& panel, int index)
{
    const int width = panel.Width() / 4;
    const int height = panel.Height() / 2;
    const int left = panel.left + (index % 4) * width;
    const int top = panel.top + (index / 4) * height;
    return Rect{left, top, left + width, top + height};
}

} // namespace

void DrawColorSwatches(DeviceContext& dc, const Rect& panel, int colorCount)
{
    for (int index = 0; index < PIECE_COLOR_COUNT; ++index) {
        dc.FillSolidRect(SwatchRect(panel, index),
                         index < colorCount ? PieceColor(index) : PANEL_GREY);
    }
}

void DrawSwatchSymbols(DeviceContext& dc, const Rect& panel, int colorCount)
{
    for (int index = 0; index < colorCount && index < PIECE_COLOR_COUNT; ++index) {
        const Rect swatch = SwatchRect(panel, index);
        // Two pixels of colour all round keep the symbol clear of the panel's frame and of the
        // swatches beside it.
        const int side = (std::min(swatch.Width(), swatch.Height()) - 4) & ~1;
        DrawPieceSymbol(dc, swatch, index, side >= 4 ? side : 0);
    }
}
