#pragma once

#include "platform/Color.h"
#include "platform/Geometry.h"

class DeviceContext;

// A symbol for each piece colour, for the player who does not tell every colour apart: red a
// filled diamond, yellow a ring, magenta a hollow square, green a plus, cyan a triangle pointing
// up, blue a bar, white a dot, black a diagonal cross. The shapes differ in outline, fill and
// direction, so that the colours most often confused (yellow and green, cyan and white, green
// and cyan, red and black) carry shapes that share the least. The ink is whichever of black and
// white stands out more on the colour, also as the three kinds of dichromatic vision see it:
// white on red, blue and black, black on the others (white on magenta falls below 3:1 for a
// deuteranope).
//
// A symbol is a square of even side, drawn pixel by pixel in horizontal runs, so that it is
// exact at every size and centred in an area of even slack.

// The side of the symbol on a piece whose circle is pieceSide pixels across: 12 on a piece at
// rest (20 pixels), shrinking with the fade frames; 0 when the piece is too small to carry one.
int SymbolSideOnPiece(int pieceSide);

// The ink of the colour's symbol.
ColorRef SymbolInk(int colorIndex);

// Whether pixel (x, y) of the colour's symbol of that side is inked.
bool SymbolCovers(int colorIndex, int side, int x, int y);

// Draws the colour's symbol, side by side pixels, centred in area (rounded up and left).
void DrawPieceSymbol(DeviceContext& dc, const Rect& area, int colorIndex, int side);
