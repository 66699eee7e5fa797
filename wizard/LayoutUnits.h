#pragma once

// Pages place controls in layout units: a quarter of the average character
// width of DEFAULT_GUI_FONT. Only horizontal values are converted.

// The arithmetic, for a given average width in pixels (not 0).
int AverageCharWidthFromExtent(int sampleExtent);
unsigned long TextUnitsFromExtent(unsigned long extent, int averageWidth, bool forButton);
int UnitsToPixelsWith(unsigned long units, int averageWidth);

// Measured with DEFAULT_GUI_FONT on first use and kept for the process.
int GetAverageCharWidth();
// The text's width in layout units; a button label gets 14 units of margin
// and at least 50 units.
unsigned long MeasureTextUnits(const char* text, bool forButton);
int UnitsToPixels(unsigned long units);
