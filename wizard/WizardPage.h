#pragma once
#include <windows.h>

// The property sheet's own button ids.
const int kBackButtonId = 12323;
const int kNextButtonId = 12324;
const int kFinishButtonId = 12325;

// Base of every wizard page. The fourteen virtual operations keep this slot
// order; "flag" results true mean stay on the page or refuse the action.
// The control utilities act on the page's dialog window and may only be used
// while it exists.
class WizardPage {
public:
    explicit WizardPage(int dialogId);
    virtual ~WizardPage();
    WizardPage(const WizardPage&) = delete;
    WizardPage& operator=(const WizardPage&) = delete;

    virtual void SetButtonTexts(HWND sheetWindow);
    virtual bool OnInitDialog();
    virtual bool OnSetActive();
    virtual bool OnPaint(HDC dc);
    virtual int GetNextPageId();
    virtual int GetBackPageId();
    virtual bool OnNext();
    virtual bool OnBack();
    virtual bool OnFinish();
    virtual bool OnQueryCancel();
    virtual bool OnKillActive();
    virtual bool OnCommand(WORD notifyCode, WORD controlId, HWND controlWindow);
    virtual bool Commit();

    // The dispatcher: routes one message of the page's dialog to the operations
    // above and gives the message result.
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND GetPageWindow() const { return window; }
    int GetDialogId() const { return dialogId; }

    void SetCheck(int controlId, bool on);
    bool GetCheck(int controlId);
    void SetItemText(int controlId, const char* text);
    void GetItemText(int controlId, char* buffer, int capacity);
    // -1 shows the empty text; other values as unsigned decimal numbers.
    void SetItemInt(int controlId, int value);
    // -1 for an empty field; text that is no number gives 0.
    int GetItemInt(int controlId);
    void SetItemWidth(int controlId, unsigned long widthUnits);
    void PlaceItem(int controlId, unsigned long leftUnits, unsigned long widthUnits);
    // A message box owned by the page, captioned with the wizard's title.
    int ShowMessage(const char* text, UINT style);

protected:
    HWND window;
    int dialogId;

private:
    LRESULT HandleNotify(const NMHDR& header);
};
