#include "wizard/PanelPicture.h"

const int kEdgeWidth = 2;

RECT PanelInside(int panelRight, int panelBottom)
{
    RECT inside = {kEdgeWidth, kEdgeWidth, panelRight - kEdgeWidth, panelBottom - kEdgeWidth};
    return inside;
}

POINT PanelPictureOrigin(int panelRight, int panelBottom, int width, int height)
{
    POINT origin = {(panelRight - width) / 2, (panelBottom - height) / 2};
    return origin;
}

void PaletteFromColourTable(const RGBQUAD* table, unsigned long count, PALETTEENTRY* entries)
{
    for (unsigned long i = 0; i < count; ++i) {
        entries[i].peRed = table[i].rgbRed;
        entries[i].peGreen = table[i].rgbGreen;
        entries[i].peBlue = table[i].rgbBlue;
        entries[i].peFlags = 0;
    }
}
