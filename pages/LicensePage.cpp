#include "pages/LicensePage.h"

#include "core/MessageCatalog.h"
#include "resources/DialogIds.h"

LicensePage::LicensePage(HBITMAP bitmap, COLORREF backgroundColour)
    : BitmapPage(IDD_LICENSE, bitmap, backgroundColour)
{
}

// Runs on every activation, so the next page's standard texts undo it and a
// return with Back brings it back.
void LicensePage::SetButtonTexts(HWND sheetWindow)
{
    WizardPage::SetButtonTexts(sheetWindow);
    ShowWindow(GetDlgItem(sheetWindow, kBackButtonId), SW_HIDE);
    SetDlgItemTextA(sheetWindow, kNextButtonId, textLicenseYesButton);
    SetDlgItemTextA(sheetWindow, IDCANCEL, textLicenseNoButton);
}

bool LicensePage::OnInitDialog()
{
    SetItemText(IDC_LICENSE_TEXT, textLicenseAgreement);
    return true;
}
