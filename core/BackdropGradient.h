#pragma once
#include <windows.h>

// The arithmetic of the backdrop's vertical gradient, apart from the drawing.
// Coordinates and heights within 2^24 pixels either way (any window's are);
// beyond that the band arithmetic overflows int.
const int kGradientBandCount = 255;

// Height in pixels of every band for a client area clientHeight pixels high.
int GradientBandHeight(int clientHeight);

// Colour of band i (0 at the top, 254 at the bottom): from lightColour down to
// three quarters of baseColour, channel by channel.
COLORREF GradientBandColour(COLORREF baseColour, COLORREF lightColour, int band);

// Fills all 255 bands over the client rectangle, even those below its bottom.
void PaintGradient(HDC dc, const RECT& client, COLORREF baseColour, COLORREF lightColour);
