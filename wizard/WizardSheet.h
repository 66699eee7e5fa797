#pragma once
#include <windows.h>

class WizardPage;

// The modal property-sheet wizard over the pages added in order. Constructing
// a sheet empties the page registry. Does not own the pages.
class WizardSheet {
public:
    WizardSheet(const char* title, HWND parent);
    ~WizardSheet();
    WizardSheet(const WizardSheet&) = delete;
    WizardSheet& operator=(const WizardSheet&) = delete;

    // Index the page got. At most 10 pages: further ones are not registered
    // and give -1.
    int AddPage(WizardPage* page);
    // PropertySheetA's result: positive after Finish, 0 after Cancel, -1 when
    // the wizard cannot be shown.
    INT_PTR Run();
    // Run with extra header flags; with PSH_MODELESS it gives the sheet window.
    INT_PTR RunWithFlags(DWORD extraFlags);
    // Every page's Commit in order; false at the first page that fails.
    bool CommitAll();

private:
    HWND parent;
    char* title;
};
