#include "core/BackdropGradient.h"

int GradientBandHeight(int clientHeight)
{
    return clientHeight / kGradientBandCount + 1;
}

static int BandChannel(int base, int light, int band)
{
    int dark = base - base / 4;
    int value = dark + (light - dark) * (kGradientBandCount - 1 - band) / (kGradientBandCount - 1);
    return value & 0xFF;
}

COLORREF GradientBandColour(COLORREF baseColour, COLORREF lightColour, int band)
{
    return RGB(BandChannel(GetRValue(baseColour), GetRValue(lightColour), band),
               BandChannel(GetGValue(baseColour), GetGValue(lightColour), band),
               BandChannel(GetBValue(baseColour), GetBValue(lightColour), band));
}

void PaintGradient(HDC dc, const RECT& client, COLORREF baseColour, COLORREF lightColour)
{
    int width = client.right - client.left;
    int bandHeight = GradientBandHeight(client.bottom - client.top);
    for (int band = 0; band < kGradientBandCount; ++band) {
        HBRUSH brush = CreateSolidBrush(GradientBandColour(baseColour, lightColour, band));
        RECT bandRect;
        SetRect(&bandRect, 0, band * bandHeight, width, (band + 1) * bandHeight);
        // A brush that could not be made leaves its band unpainted.
        if (brush) {
            FillRect(dc, &bandRect, brush);
            DeleteObject(brush);
        }
    }
}
