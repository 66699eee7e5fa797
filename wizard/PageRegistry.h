#pragma once
#include <windows.h>

class WizardPage;

// The pages of the one wizard that exists at a time, with their dialog
// windows once the property sheet has made them. Does not own the pages.
const unsigned long kPageCapacity = 10;

struct PageRegistry {
    WizardPage* pages[kPageCapacity];
    HWND windows[kPageCapacity];
    unsigned long count;
};

// Plain process-wide data, zero before the first sheet.
extern PageRegistry pageRegistry;

// Index of the page whose dialog is window, or -1.
int FindPageIndex(HWND window);
