#pragma once
#include "util/Path.h"
#include "wizard/BitmapPage.h"

// Mailing-list bits of the "Subscribe" value.
const unsigned long kFirstMailingList = 8;
const unsigned long kSecondMailingList = 16;
const unsigned long kThirdMailingList = 32;

// The install directory (typed or browsed, proved writable at Next, with a
// warning when its drive has too little room), the desktop shortcut choice
// and the mailing lists, recorded in the suite's Updates key after the
// installation.
class InstallOptionsPage : public BitmapPage {
public:
    // Sets the default install directory.
    InstallOptionsPage(HBITMAP bitmap, COLORREF backgroundColour);

    bool OnInitDialog() override;
    bool OnNext() override;
    bool OnKillActive() override;
    bool OnCommand(WORD notifyCode, WORD controlId, HWND controlWindow) override;
    bool Commit() override;

    // A buffer too small for the whole path gets "".
    void GetInstallPath(char* buffer, unsigned long capacity) const;
    bool WantsDesktopIcon() const { return desktopIcon; }

private:
    void SetDefaultInstallPath();
    void ReadControls();

    char installPath[kPathCapacity];
    bool desktopIcon;
    unsigned long mailingLists;
    // The free-space question is due at the next Next.
    bool pathChanged;
};
