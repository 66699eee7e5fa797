#include "core/Backdrop.h"
#include "core/InstallerRun.h"
#include "core/Space.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <set>
#include <string>
#include <windows.h>

namespace {

unsigned long freeBytes = 0;

int __stdcall ExactFreeBytes(const char*, unsigned long* sectorsPerCluster, unsigned long* bytesPerSector,
                             unsigned long* freeClusters, unsigned long* totalClusters)
{
    *sectorsPerCluster = 1;
    *bytesPerSector = 1;
    *freeClusters = freeBytes;
    *totalClusters = freeBytes;
    return TRUE;
}

// Watches the run from inside its modal loops: records the message boxes
// and whether a wizard showed; cancels the wizard and confirms the question.
struct RunWatcher {
    std::string messages;
    bool sawWizard = false;
    bool sawBackdrop = false;
};
RunWatcher* watcher = nullptr;

BOOL CALLBACK Inspect(HWND window, LPARAM)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, kBackdropClassName) == 0)
        watcher->sawBackdrop = true;
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    if (GetDlgItem(window, 0xFFFF)) {  // a message box
        char text[1024] = "";
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        if (watcher->messages.find(text) == std::string::npos)
            watcher->messages += std::string(text) + "\n";
        int button = GetDlgItem(window, IDYES) ? IDYES : IDOK;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    } else if (PropSheet_GetCurrentPageHwnd(window)) {
        watcher->sawWizard = true;
        PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), Inspect, 0);
}

RunWatcher RunWithFreeBytes(unsigned long bytes)
{
    freeBytes = bytes;
    SetDiskFreeSpaceQuery(ExactFreeBytes);
    RunWatcher seen;
    watcher = &seen;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
    {
        TestInstaller installer;
        RunInstallation(*installer);
    }
    KillTimer(nullptr, timer);
    watcher = nullptr;
    SetDiskFreeSpaceQuery(nullptr);
    return seen;
}

} // namespace

TEST(RunInstallation, TooLittleTemporarySpaceEndsBeforeAnyWindow)
{
    std::set<std::string> before = TempFilesNamedQX();
    RunWatcher seen = RunWithFreeBytes(767999);
    EXPECT_EQ("Insufficient free drive space to complete installation.\n", seen.messages);
    EXPECT_FALSE(seen.sawBackdrop);
    EXPECT_FALSE(seen.sawWizard);
    EXPECT_EQ(before, TempFilesNamedQX()) << "the temporary QX file was left";
}

TEST(RunInstallation, EnoughTemporarySpaceShowsTheWizardAndCancelInstallsNothing)
{
    std::set<std::string> before = TempFilesNamedQX();
    RunWatcher seen = RunWithFreeBytes(768000);
    EXPECT_TRUE(seen.sawBackdrop);
    EXPECT_TRUE(seen.sawWizard);
    EXPECT_EQ("Are you sure you wish to cancel the installation?\n", seen.messages);
    EXPECT_EQ(before, TempFilesNamedQX()) << "the temporary QX file was left";
    EXPECT_EQ(nullptr, FindWindowA(kBackdropClassName, nullptr)) << "the backdrop outlived the run";
}
