#include "wizard/BitmapPage.h"

#include "core/Installer.h"
#include "util/Format.h"
#include "util/Memory.h"
#include "wizard/PanelPicture.h"

const unsigned long kPaletteSize = 256;
const unsigned short kPaletteVersion = 0x300;
// The panel in the page's own dialog units.
const int kPanelWidthUnits = 80;
const int kPanelHeightUnits = 140;

// Entries the bitmap does not have stay black.
static void ReadColourTable(HBITMAP bitmap, RGBQUAD* table)
{
    MemFill(table, 0, kPaletteSize * sizeof(RGBQUAD));
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory)
        return;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    GetDIBColorTable(memory, 0, kPaletteSize, table);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

static HPALETTE CreatePaletteFromTable(const RGBQUAD* table)
{
    LOGPALETTE* logical = static_cast<LOGPALETTE*>(
        MemAlloc(sizeof(LOGPALETTE) + (kPaletteSize - 1) * sizeof(PALETTEENTRY)));
    if (!logical)
        return nullptr;
    logical->palVersion = kPaletteVersion;
    logical->palNumEntries = kPaletteSize;
    PaletteFromColourTable(table, kPaletteSize, logical->palPalEntry);
    HPALETTE palette = CreatePalette(logical);
    MemFree(logical);
    return palette;
}

// A device-dependent bitmap has no DIBSECTION to copy a header from.
static bool GetSection(HBITMAP bitmap, DIBSECTION* section)
{
    return GetObjectA(bitmap, sizeof(DIBSECTION), section) == sizeof(DIBSECTION)
           && section->dsBm.bmBits;
}

static BITMAPINFO* CopyBitmapInfo(HBITMAP bitmap, const RGBQUAD* table)
{
    DIBSECTION section;
    if (!GetSection(bitmap, &section))
        return nullptr;
    BITMAPINFO* info = static_cast<BITMAPINFO*>(
        MemAlloc(sizeof(BITMAPINFOHEADER) + kPaletteSize * sizeof(RGBQUAD)));
    if (!info)
        return nullptr;
    MemCopy(&info->bmiHeader, &section.dsBmih, sizeof(BITMAPINFOHEADER));
    MemCopy(info->bmiColors, table, kPaletteSize * sizeof(RGBQUAD));
    return info;
}

BitmapPage::BitmapPage(int dialogId, HBITMAP bitmap, COLORREF backgroundColour)
    : WizardPage(dialogId), bitmap(bitmap), palette(nullptr), bitmapInfo(nullptr), brush(nullptr)
{
    if (bitmap) {
        RGBQUAD* table = static_cast<RGBQUAD*>(MemAlloc(kPaletteSize * sizeof(RGBQUAD)));
        if (table) {
            ReadColourTable(bitmap, table);
            palette = CreatePaletteFromTable(table);
            bitmapInfo = CopyBitmapInfo(bitmap, table);
            MemFree(table);
        }
    }
    brush = CreateSolidBrush(backgroundColour);
}

BitmapPage::~BitmapPage()
{
    if (brush)
        DeleteObject(brush);
    if (palette)
        DeleteObject(palette);
    MemFree(bitmapInfo);
}

bool BitmapPage::OnPaint(HDC dc)
{
    RECT panel = {0, 0, kPanelWidthUnits, kPanelHeightUnits};
    MapDialogRect(window, &panel);
    DrawEdge(dc, &panel, EDGE_SUNKEN, BF_RECT);
    if (palette && bitmap && bitmapInfo)
        PaintPicture(dc, panel.right, panel.bottom);
    return false;
}

void BitmapPage::PaintPicture(HDC dc, int panelRight, int panelBottom)
{
    DIBSECTION section;
    if (!GetSection(bitmap, &section))
        return;
    HPALETTE previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
    RECT inside = PanelInside(panelRight, panelBottom);
    HRGN clip = CreateRectRgn(inside.left, inside.top, inside.right, inside.bottom);
    SelectClipRgn(dc, clip);
    if (brush)
        FillRect(dc, &inside, brush);
    int width = bitmapInfo->bmiHeader.biWidth;
    int height = bitmapInfo->bmiHeader.biHeight;
    POINT origin = PanelPictureOrigin(panelRight, panelBottom, width, height);
    SetDIBitsToDevice(dc, origin.x, origin.y, width, height, 0, 0, 0, height,
                      section.dsBm.bmBits, bitmapInfo, DIB_RGB_COLORS);
    SelectClipRgn(dc, nullptr);
    if (clip)
        DeleteObject(clip);
    if (previous) {
        SelectPalette(dc, previous, FALSE);
        UnrealizeObject(previous);
    }
}

void BitmapPage::SetFormattedItemText(int controlId, const char* text, const char* argument)
{
    char* formatted = FormatText(text, argument ? argument : GetProductName());
    if (!formatted)
        return;
    SetDlgItemTextA(window, controlId, formatted);
    MemFree(formatted);
}
