#include "core/ProgressDialog.h"

#include "resources/DialogIds.h"
#include "wizard/Centring.h"
#include "core/MessageCatalog.h"

#include <commctrl.h>

void ProgressDialog::CreateProgress(HWND parent)
{
    window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), parent,
                                nullptr, 0);
    if (window) {
        SetWindowTextA(window, textProgressTitle);
        CentreOnDesktop(window);
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    // No message loop runs during the install phases: the area the wizard
    // covered is repainted now or not at all, dialog or no dialog.
    if (parent)
        UpdateWindow(parent);
}

void ProgressDialog::SetProgressRange(unsigned short count)
{
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETSTEP, 1, 0);
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, count));
}

void ProgressDialog::StepProgress()
{
    SendDlgItemMessageA(window, IDC_PROGRESS_BAR, PBM_STEPIT, 0, 0);
}

void ProgressDialog::SetProgressStatus(const char* text)
{
    SetDlgItemTextA(window, IDC_PROGRESS_STATUS, text);
}

void ProgressDialog::AdvanceWithStatus(const char* status)
{
    StepProgress();
    SetProgressStatus(status);
}

void ProgressDialog::DestroyProgress()
{
    if (window)
        DestroyWindow(window);
    window = nullptr;
}
