#include "wizard/PageDialogProc.h"

#include "wizard/Centring.h"
#include "wizard/PageDispatchRules.h"
#include "wizard/PageRegistry.h"
#include "wizard/WizardPage.h"

#include <prsht.h>

static WizardPage* PageForInitDialog(HWND window, LPARAM lParam)
{
    const PROPSHEETPAGEA* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    if (!description)
        return nullptr;
    unsigned long index = static_cast<unsigned long>(description->lParam);
    if (index >= pageRegistry.count || index >= kPageCapacity)
        return nullptr;
    pageRegistry.windows[index] = window;
    return pageRegistry.pages[index];
}

static void PrepareActivation(HWND window, WizardPage* page, unsigned long index)
{
    HWND sheet = GetParent(window);
    // Posted: the sheet applies it after its own activation work, which
    // would otherwise reset the buttons again.
    PostMessageA(sheet, PSM_SETWIZBUTTONS, 0, WizardButtonFlags(index, pageRegistry.count));
    page->SetButtonTexts(sheet);
    CentreOnDesktop(sheet);
}

INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WizardPage* page = nullptr;
    int index = -1;
    if (message == WM_INITDIALOG) {
        page = PageForInitDialog(window, lParam);
    } else {
        index = FindPageIndex(window);
        if (index >= 0)
            page = pageRegistry.pages[index];
    }
    if (!page)
        return FALSE;
    if (message == WM_NOTIFY && lParam
        && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE))
        PrepareActivation(window, page, static_cast<unsigned long>(index));
    LRESULT result = page->HandleMessage(window, message, wParam, lParam);
    SetWindowLongA(window, DWL_MSGRESULT, static_cast<LONG>(result));
    return message == WM_NOTIFY ? TRUE : FALSE;
}
