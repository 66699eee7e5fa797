// The wizard framework put together the way the setup program uses it: the
// backdrop behind a three-page wizard of side-picture pages, the default
// cancel question, and after Finish the progress dialog and a last message.
// The exit code is what the wizard's run returned (0 after Cancel).
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "core/ProgressDialog.h"
#include "tests/e2e/WizardHost.h"
#include "tests/resources/TestPageIds.h"
#include "wizard/BitmapPage.h"
#include "wizard/WizardSheet.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdio>

namespace {

const COLORREF kBaseColour = 0x00319A63;
const COLORREF kLightColour = 0x00A6FFD7;
const char kTitle[] = "AuctionTorvin Installation";

class GreetingPage : public BitmapPage {
public:
    using BitmapPage::BitmapPage;
    bool OnInitDialog() override
    {
        SetFormattedItemText(IDC_TEST_TEXT, "Please register your copy of %1.");
        return true;
    }
};

void ShowProgress(HWND backdrop)
{
    ProgressDialog progress;
    progress.CreateProgress(backdrop);
    progress.SetProgressRange(9);
    for (int step = 1; step <= 8; ++step) {
        char status[32];
        std::snprintf(status, sizeof status, "Step %d", step);
        progress.StepProgress();
        progress.SetProgressStatus(status);
    }
    MessageBoxA(backdrop, "Progress stands at 8 of 9.", kTitle, MB_OK | MB_ICONINFORMATION);
    progress.DestroyProgress();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    FillMessageCatalog();
    InitCommonControls();
    ProductEntry table[kBuiltInProductCount];
    CopyBuiltInProductTable(table);
    Installer installer("AuctionTorvin", "AuctionTorvin", table, kBuiltInProductCount, kBaseColour,
                        kLightColour);
    HWND backdrop = ShowBackdrop(installer, kTitle);
    if (!backdrop)
        return 3;

    HBITMAP side = UnpackSidePicture("framework-side.bmp");
    INT_PTR result;
    {
        WizardSheet sheet(kTitle, backdrop);
        GreetingPage first(IDD_TEST_FIRST, side, kLightColour);
        BitmapPage second(IDD_TEST_SECOND, side, kLightColour);
        BitmapPage last(IDD_TEST_LAST, side, kLightColour);
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&last);
        result = sheet.Run();
    }
    if (result > 0)
        ShowProgress(backdrop);
    if (side)
        DeleteObject(side);
    DestroyWindow(backdrop);
    ReleaseMessageCatalog();
    return static_cast<int>(result);
}
