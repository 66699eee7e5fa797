#pragma once
#include "wizard/BitmapPage.h"

// Shown only when an earlier version of the suite is present: asks the user
// to remove it before going on.
class NoticePage : public BitmapPage {
public:
    NoticePage(HBITMAP bitmap, COLORREF backgroundColour);

    bool OnInitDialog() override;
};
