#pragma once
// A wizard run for real as a modeless sheet in the test's own thread, driven
// with PSM_PRESSBUTTON the way the property sheet's own buttons drive it.
#include "tests/support/TestWindows.h"
#include "wizard/WizardPage.h"
#include "wizard/WizardSheet.h"

#include <string>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

class ModelessSheet {
public:
    ModelessSheet() = default;
    ModelessSheet(const ModelessSheet&) = delete;
    ModelessSheet& operator=(const ModelessSheet&) = delete;
    ~ModelessSheet() { Close(); }

    // The sheet window, or null when the sheet could not be shown.
    HWND Open(WizardSheet& sheet)
    {
        window = reinterpret_cast<HWND>(sheet.RunWithFlags(PSH_MODELESS));
        PumpMessages();
        return window;
    }
    void Close()
    {
        if (window && IsWindow(window))
            DestroyWindow(window);
        window = nullptr;
        PumpMessages(2);
    }
    void Press(int button)
    {
        PropSheet_PressButton(window, button);
        PumpMessages();
    }
    // Dialog id of the page showing, 0 once the sheet has ended.
    int CurrentPageId()
    {
        HWND page = PropSheet_GetCurrentPageHwnd(window);
        if (!page)
            return 0;
        int index = PropSheet_HwndToIndex(window, page);
        return static_cast<int>(PropSheet_IndexToId(window, index)) & 0xFFFF;
    }
    std::string ItemText(int id)
    {
        char text[256] = "";
        GetDlgItemTextA(window, id, text, sizeof text);
        return text;
    }
    // A button of the sheet that the user can see and press.
    bool Usable(int id)
    {
        HWND button = GetDlgItem(window, id);
        return IsWindowVisible(button) && IsWindowEnabled(button);
    }

    HWND window = nullptr;
};

// The text of a control of a page.
inline std::string ControlText(const WizardPage& page, int id)
{
    HWND control = GetDlgItem(page.GetPageWindow(), id);
    int length = GetWindowTextLengthA(control);
    std::string text(length + 1, '\0');
    GetWindowTextA(control, &text[0], length + 1);
    text.resize(length);
    return text;
}

// Types text into a control as the user would: the page sees EN_CHANGE.
inline void TypeText(const WizardPage& page, int id, const char* text)
{
    SetDlgItemTextA(page.GetPageWindow(), id, text);
    PumpMessages(2);
}
