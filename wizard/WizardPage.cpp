#include "wizard/WizardPage.h"

#include "wizard/LayoutUnits.h"
#include "wizard/PageDispatchRules.h"
#include "core/MessageCatalog.h"

#include <prsht.h>

const unsigned long kCaptionCapacity = 128;

WizardPage::WizardPage(int dialogId) : window(nullptr), dialogId(dialogId) {}

WizardPage::~WizardPage() {}

void WizardPage::SetButtonTexts(HWND sheetWindow)
{
    SetDlgItemTextA(sheetWindow, kBackButtonId, textBackButton);
    SetDlgItemTextA(sheetWindow, kNextButtonId, textNextButton);
    SetDlgItemTextA(sheetWindow, kFinishButtonId, textFinishButton);
    SetDlgItemTextA(sheetWindow, IDCANCEL, textCancelButton);
    ShowWindow(GetDlgItem(sheetWindow, IDCANCEL), SW_SHOW);
    ShowWindow(GetDlgItem(sheetWindow, kBackButtonId), SW_SHOW);
}

bool WizardPage::OnInitDialog() { return true; }
bool WizardPage::OnSetActive() { return false; }
bool WizardPage::OnPaint(HDC) { return false; }
int WizardPage::GetNextPageId() { return 0; }
int WizardPage::GetBackPageId() { return 0; }
bool WizardPage::OnNext() { return false; }
bool WizardPage::OnBack() { return false; }
bool WizardPage::OnFinish() { return false; }

bool WizardPage::OnQueryCancel()
{
    return ShowMessage(textCancelQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES;
}

bool WizardPage::OnKillActive() { return false; }
bool WizardPage::OnCommand(WORD, WORD, HWND) { return false; }
bool WizardPage::Commit() { return true; }

static LRESULT Jump(HWND page, int pageId, bool stay)
{
    if (WantsJump(pageId, stay))
        SendMessageA(GetParent(page), PSM_SETCURSELID, 0, pageId);
    return JumpResult(pageId, stay);
}

LRESULT WizardPage::HandleNotify(const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        return OnSetActive();
    case PSN_KILLACTIVE:
        return OnKillActive();
    case PSN_WIZBACK: {
        int pageId = GetBackPageId();
        return Jump(window, pageId, OnBack());
    }
    case PSN_WIZNEXT: {
        int pageId = GetNextPageId();
        return Jump(window, pageId, OnNext());
    }
    case PSN_WIZFINISH:
        // Only the finish answer can stop the finishing.
        OnKillActive();
        return OnFinish();
    case PSN_QUERYCANCEL:
        return OnQueryCancel();
    }
    return 0;
}

LRESULT WizardPage::HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        window = dialog;
        return OnInitDialog();
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(dialog, &paint);
        bool result = OnPaint(dc);
        EndPaint(dialog, &paint);
        return result;
    }
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PALETTECHANGED:
        InvalidateRect(dialog, nullptr, FALSE);
        return 0;
    case WM_NOTIFY:
        if (!lParam)
            return 0;
        return HandleNotify(*reinterpret_cast<const NMHDR*>(lParam));
    }
    return 0;
}

void WizardPage::SetCheck(int controlId, bool on)
{
    SendDlgItemMessageA(window, controlId, BM_SETCHECK, on ? 1 : 0, 0);
}

bool WizardPage::GetCheck(int controlId)
{
    return SendDlgItemMessageA(window, controlId, BM_GETCHECK, 0, 0) != 0;
}

void WizardPage::SetItemText(int controlId, const char* text)
{
    SetDlgItemTextA(window, controlId, text);
}

void WizardPage::GetItemText(int controlId, char* buffer, int capacity)
{
    GetDlgItemTextA(window, controlId, buffer, capacity);
}

void WizardPage::SetItemInt(int controlId, int value)
{
    if (value == -1)
        SetDlgItemTextA(window, controlId, "");
    else
        SetDlgItemInt(window, controlId, static_cast<UINT>(value), FALSE);
}

int WizardPage::GetItemInt(int controlId)
{
    if (GetWindowTextLengthA(GetDlgItem(window, controlId)) == 0)
        return -1;
    return static_cast<int>(GetDlgItemInt(window, controlId, nullptr, FALSE));
}

void WizardPage::SetItemWidth(int controlId, unsigned long widthUnits)
{
    RECT bounds;
    GetWindowRect(GetDlgItem(window, controlId), &bounds);
    SetWindowPos(GetDlgItem(window, controlId), nullptr, 0, 0, UnitsToPixels(widthUnits),
                 bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void WizardPage::PlaceItem(int controlId, unsigned long leftUnits, unsigned long widthUnits)
{
    HWND control = GetDlgItem(window, controlId);
    RECT bounds;
    GetWindowRect(control, &bounds);
    POINT topLeft = {bounds.left, bounds.top};
    POINT bottomRight = {bounds.right, bounds.bottom};
    ScreenToClient(window, &topLeft);
    ScreenToClient(window, &bottomRight);
    SetWindowPos(control, nullptr, UnitsToPixels(leftUnits), topLeft.y, UnitsToPixels(widthUnits),
                 bottomRight.y - topLeft.y, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

int WizardPage::ShowMessage(const char* text, UINT style)
{
    char caption[kCaptionCapacity];
    caption[0] = '\0';
    GetWindowTextA(GetParent(window), caption, kCaptionCapacity);
    return MessageBoxA(window, text, caption, style);
}
