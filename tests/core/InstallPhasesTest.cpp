#include "core/InstallPhases.h"
#include "payload/Rollback.h"
#include "resources/DialogIds.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/TestSystemPaths.h"
#include "util/SystemVersion.h"
#include "wizard/WizardPage.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// What the progress dialog was told, seen from inside its thread.
struct ProgressRecord {
    unsigned int rangeHigh = 0;
    int steps = 0;
    std::vector<std::string> statuses;
};

ProgressRecord* recording = nullptr;

LRESULT CALLBACK RecordProgress(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && recording) {
        char className[32] = "";
        GetClassNameA(sent->hwnd, className, sizeof className);
        if (lstrcmpiA(className, PROGRESS_CLASSA) == 0 && sent->message == PBM_SETRANGE)
            recording->rangeHigh = HIWORD(sent->lParam);
        if (lstrcmpiA(className, PROGRESS_CLASSA) == 0 && sent->message == PBM_STEPIT)
            ++recording->steps;
        if (sent->message == WM_SETTEXT && GetDlgCtrlID(sent->hwnd) == IDC_PROGRESS_STATUS)
            recording->statuses.push_back(reinterpret_cast<const char*>(sent->lParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A page that only commits, successfully or not, and counts its calls.
class CommittingPage : public WizardPage {
public:
    explicit CommittingPage(bool succeeds) : WizardPage(0), succeeds(succeeds) {}
    bool Commit() override
    {
        ++commits;
        return succeeds;
    }
    bool succeeds;
    int commits = 0;
};

class InstallPhasesTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir = TempDirectory() + "phases\\AuctionTorvin";
        // The undo removes every empty parent of the install directory: the
        // temporary folder must not be one.
        ASSERT_TRUE(WriteFileBytes(TempDirectory() + "phases-keep.txt", "keep"));
        hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordProgress, nullptr, GetCurrentThreadId());
        recording = &progress;
    }
    void TearDown() override
    {
        recording = nullptr;
        UnhookWindowsHookEx(hook);
        TestInstaller cleaner(dir);
        RemoveRegistration(*cleaner);
        RemoveFiles(*cleaner);
        DeleteFileA(cleaner.Uninstaller().c_str());
        RemoveDirectoryA((TempDirectory() + "phases").c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "wininit.ini");
        DeleteFileA(WindowsFile("wininit.ini").c_str());
        DeleteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames);
        DeleteFileA((TempDirectory() + "phases-keep.txt").c_str());
    }
    // One run with the given pages; the message box is answered with OK.
    std::string Run(TestInstaller& installer, std::vector<CommittingPage*> pages)
    {
        WizardSheet sheet("AuctionTorvin Installation", nullptr);
        for (CommittingPage* page : pages)
            sheet.AddPage(page);
        MessageBoxAnswerer answerer(IDOK);
        RunInstallPhases(*installer, "AuctionTorvin Installation", sheet, dir.c_str(), false);
        return answerer.texts.empty() ? "<no message>" : answerer.texts.back();
    }

    std::string dir;
    HHOOK hook = nullptr;
    ProgressRecord progress;
};

const std::vector<std::string> kFileStatuses = {
    "Uncompressing NetTorvin.dll...", "Uncompressing AuctionTorvin.exe...", "Uncompressing AuctionTorvin.hlp...",
    "Uncompressing AuctionTorvin.cnt...", "Uncompressing uninstall...",
};

} // namespace

TEST_F(InstallPhasesTest, ASuccessfulRunReportsWhereTheProductIs)
{
    TestInstaller installer;
    CommittingPage first(true), second(true);
    std::string message = Run(installer, {&first, &second});

    if (IsVersion5OrLater())
        EXPECT_EQ("Installation complete. To start AuctionTorvin, go to the\r\nStart | Search menu and select For "
                  "Auctions.", message);
    else
        EXPECT_EQ("Installation complete. To start AuctionTorvin, go to the\r\nStart | Find menu and select "
                  "Auctions.", message);
    std::vector<std::string> statuses = kFileStatuses;
    statuses.insert(statuses.end(), {"Modifying registry...", "Adding to find menu...", "Setup complete..."});
    EXPECT_EQ(statuses, progress.statuses);
    EXPECT_EQ(9u, progress.rangeHigh);
    EXPECT_EQ(8, progress.steps);
    EXPECT_EQ(1, first.commits);
    EXPECT_EQ(1, second.commits);
    EXPECT_STREQ(dir.c_str(), installer->products[0].installDir);
    EXPECT_TRUE(FileExists(dir + "\\AuctionTorvin.hlp"));
    EXPECT_EQ(WindowsFile("AuctionTorvinUninstall.exe") + " " + dir,
              ReadRawString(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "UninstallString"));
}

TEST_F(InstallPhasesTest, AProgramInUseFailsAndIsUndone)
{
    TestInstaller installer;
    ASSERT_TRUE(CreateDirectoryA((TempDirectory() + "phases").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir + "\\AuctionTorvin.exe", "running"));
    HANDLE held = CreateFileA((dir + "\\AuctionTorvin.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    CommittingPage page(true);
    std::string message = Run(installer, {&page});
    CloseHandle(held);

    EXPECT_EQ("Installation failed - Unable to copy AuctionTorvin.exe. Ensure that all instances of AuctionTorvin "
              "are closed. If AuctionTorvin isn't running, we recommend a reboot before installing.", message);
    EXPECT_EQ(std::vector<std::string>(kFileStatuses.begin(), kFileStatuses.begin() + 2), progress.statuses);
    EXPECT_EQ(0, page.commits);
    EXPECT_FALSE(FileExists(installer.SharedComponent())) << "undone";
    EXPECT_TRUE(FileExists(dir + "\\AuctionTorvin.exe")) << "the file in use stays";
}

TEST_F(InstallPhasesTest, AFailedCommitIsReportedAndUndone)
{
    TestInstaller installer;
    CommittingPage first(true), second(false), third(true);
    std::string message = Run(installer, {&first, &second, &third});

    EXPECT_EQ("Installation failed - Unable to update registry.", message);
    std::vector<std::string> statuses = kFileStatuses;
    statuses.push_back("Modifying registry...");
    EXPECT_EQ(statuses, progress.statuses);
    EXPECT_EQ(6, progress.steps);
    EXPECT_EQ(1, first.commits);
    EXPECT_EQ(1, second.commits);
    EXPECT_EQ(0, third.commits);
    EXPECT_FALSE(FileExists(dir + "\\AuctionTorvin.hlp"));
    EXPECT_FALSE(FileExists(dir));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey));
}
