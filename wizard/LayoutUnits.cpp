#include "wizard/LayoutUnits.h"

#include "util/Text.h"

#include <windows.h>

static const char kSample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const int kSampleLength = 62;
const unsigned long kButtonMargin = 14;
const unsigned long kButtonMinimum = 50;

static int cachedAverageWidth;

int AverageCharWidthFromExtent(int sampleExtent)
{
    return (sampleExtent + kSampleLength / 2) / kSampleLength;
}

unsigned long TextUnitsFromExtent(unsigned long extent, int averageWidth, bool forButton)
{
    unsigned long average = static_cast<unsigned long>(averageWidth);
    unsigned long units = (extent * 4 + average / 2) / average;
    if (forButton) {
        units += kButtonMargin;
        if (units < kButtonMinimum)
            units = kButtonMinimum;
    }
    return units;
}

int UnitsToPixelsWith(unsigned long units, int averageWidth)
{
    return static_cast<int>((units * static_cast<unsigned long>(averageWidth) + 2) / 4);
}

static int TextExtent(const char* text, int length)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return size.cx;
}

int GetAverageCharWidth()
{
    if (cachedAverageWidth == 0)
        cachedAverageWidth = AverageCharWidthFromExtent(TextExtent(kSample, kSampleLength));
    return cachedAverageWidth;
}

unsigned long MeasureTextUnits(const char* text, bool forButton)
{
    int average = GetAverageCharWidth();
    // A failed measurement leaves no width to divide by.
    if (average <= 0)
        return 0;
    int extent = TextExtent(text, static_cast<int>(StrLength(text)));
    return TextUnitsFromExtent(static_cast<unsigned long>(extent), average, forButton);
}

int UnitsToPixels(unsigned long units)
{
    return UnitsToPixelsWith(units, GetAverageCharWidth());
}
