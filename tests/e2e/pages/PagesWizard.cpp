// The five wizard pages in a real wizard, put together the way the setup
// program will: backdrop, side picture, license, notice, registration,
// install options and proxy. After Finish the pages commit their settings
// and the install path and desktop choice go to C:\pagestest\result.txt.
// The exit code is what the wizard's run returned (0 after Cancel).
// Arguments: "forget-browser" removes Internet Explorer's program key first,
// so the page knows no browser; "full-disk" makes every drive report 1024
// free bytes.
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "core/Space.h"
#include "pages/InstallOptionsPage.h"
#include "pages/LicensePage.h"
#include "pages/NoticePage.h"
#include "pages/ProxyPage.h"
#include "pages/RegistrationPage.h"
#include "tests/e2e/WizardHost.h"
#include "tests/support/TestDisk.h"
#include "wizard/WizardSheet.h"

#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstring>

namespace {

const COLORREF kBaseColour = 0x00319A63;
const COLORREF kLightColour = 0x00A6FFD7;
const char kTitle[] = "AuctionTorvin Installation";

void ForgetBrowser()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", 0,
                      KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "");
        RegCloseKey(key);
    }
}

void WriteResult(const InstallOptionsPage& options, bool committed)
{
    char path[MAX_PATH];
    options.GetInstallPath(path, sizeof path);
    CreateDirectoryA("C:\\pagestest", nullptr);
    FILE* file = std::fopen("C:\\pagestest\\result.txt", "w");
    if (!file)
        return;
    std::fprintf(file, "path=%s\ndesktop=%d\ncommitted=%d\n", path, options.WantsDesktopIcon() ? 1 : 0,
                 committed ? 1 : 0);
    std::fclose(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    if (std::strstr(commandLine, "forget-browser"))
        ForgetBrowser();
    if (std::strstr(commandLine, "full-disk"))
        SetDiskFreeSpaceQuery(&AlmostFullDisk);
    FillMessageCatalog();
    InitCommonControls();
    ProductEntry table[kBuiltInProductCount];
    CopyBuiltInProductTable(table);
    Installer installer("AuctionTorvin", "AuctionTorvin", table, kBuiltInProductCount, kBaseColour, kLightColour);
    HWND backdrop = ShowBackdrop(installer, kTitle);
    if (!backdrop)
        return 3;

    HBITMAP side = UnpackSidePicture("pages-side.bmp");
    INT_PTR result;
    {
        WizardSheet sheet(kTitle, backdrop);
        LicensePage license(side, kLightColour);
        NoticePage notice(side, kLightColour);
        RegistrationPage registration(side, kLightColour);
        InstallOptionsPage options(side, kLightColour);
        ProxyPage proxy(side, kLightColour);
        sheet.AddPage(&license);
        sheet.AddPage(&notice);
        sheet.AddPage(&registration);
        sheet.AddPage(&options);
        sheet.AddPage(&proxy);
        result = sheet.Run();
        if (result > 0)
            WriteResult(options, sheet.CommitAll());
    }
    if (side)
        DeleteObject(side);
    DestroyWindow(backdrop);
    ReleaseMessageCatalog();
    return static_cast<int>(result);
}
