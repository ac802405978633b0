#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

class DeviceContext;

// The ground of the colour panel and the swatch of a colour that is not in play.
constexpr ColorRef PANEL_GREY = Rgb(192, 192, 192);

// The swatches of the colour panel: 4 columns and 2 rows, each panel width / 4 by panel height / 2
// pixels from the panel's top-left corner, colour indices 0 to 3 in the top row and 4 to 7 below.
// A swatch whose index is below colorCount shows its piece colour, the others light grey.
void DrawColorSwatches(DeviceContext& dc, const Rect& panel, int colorCount);
// The symbol of each colour in play on its swatch (see PieceSymbols.h), 6 pixels on the panel's
// 10 by 10 swatches, drawn over what DrawColorSwatches drew.
void DrawSwatchSymbols(DeviceContext& dc, const Rect& panel, int colorCount);
