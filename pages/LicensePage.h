#pragma once
#include "wizard/BitmapPage.h"

// The first page: the license agreement in a read-only field, and the
// wizard's buttons turned into a question: Next reads "&Yes", Cancel "&No",
// Back is hidden.
class LicensePage : public BitmapPage {
public:
    LicensePage(HBITMAP bitmap, COLORREF backgroundColour);

    void SetButtonTexts(HWND sheetWindow) override;
    bool OnInitDialog() override;
};
