#pragma once
#include "wizard/WizardPage.h"

// A wizard page with the side picture in a sunken panel on its left, on a
// solid background, and its own controls to the right. The picture is shared
// by all pages and not owned; its palette, header copy and the background
// brush are. Without a picture (or when its palette or header copy cannot be
// made) the page paints only the sunken edge.
class BitmapPage : public WizardPage {
public:
    BitmapPage(int dialogId, HBITMAP bitmap, COLORREF backgroundColour);
    ~BitmapPage() override;

    bool OnPaint(HDC dc) override;

    // Sets the control's text to text with "%1" replaced by argument, or by
    // the product name when there is no argument.
    void SetFormattedItemText(int controlId, const char* text, const char* argument = nullptr);

protected:
    HBITMAP bitmap;
    HPALETTE palette;
    BITMAPINFO* bitmapInfo;
    HBRUSH brush;

private:
    void PaintPicture(HDC dc, int panelRight, int panelBottom);
};
