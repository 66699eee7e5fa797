#pragma once
#include <windows.h>

// Where the side picture goes in a page's sunken panel, whose left and top
// are 0. Pure arithmetic, apart from the drawing. Sizes within 2^24 pixels
// either way (any window's and picture's are); beyond that the sums overflow int.

// The inside of the two-pixel sunken edge: (2, 2, right - 2, bottom - 2).
RECT PanelInside(int panelRight, int panelBottom);

// Top-left corner of a picture centred in the whole panel (not its inside);
// each half truncates toward zero, so a picture 4 pixels wider than the
// panel starts at -2 and loses 2 columns on either side to the clip.
POINT PanelPictureOrigin(int panelRight, int panelBottom, int width, int height);

// Logical-palette entries from a DIB colour table: the blue, green, red
// order of RGBQUAD becomes red, green, blue, with no flags.
void PaletteFromColourTable(const RGBQUAD* table, unsigned long count, PALETTEENTRY* entries);
