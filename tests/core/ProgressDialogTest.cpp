// The progress dialog made from the program's own template 130.
#include "core/MessageCatalog.h"
#include "core/ProgressDialog.h"
#include "resources/DialogIds.h"
#include "tests/support/TestWindows.h"
#include "wizard/Centring.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>
#include <commctrl.h>

namespace {

class ProgressDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillMessageCatalog();
        InitCommonControls();
        progress.CreateProgress(nullptr);
        PumpMessages(2);
    }
    void TearDown() override
    {
        progress.DestroyProgress();
        ReleaseMessageCatalog();
    }
    int Position() { return SendDlgItemMessageA(progress.window, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0); }
    std::string Status()
    {
        char text[256] = "";
        GetDlgItemTextA(progress.window, IDC_PROGRESS_STATUS, text, sizeof text);
        return text;
    }
    // A control's place in the dialog's client area.
    RECT ControlPlace(int id)
    {
        RECT place;
        GetWindowRect(GetDlgItem(progress.window, id), &place);
        MapWindowPoints(nullptr, progress.window, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }

    ProgressDialog progress;
};

} // namespace

TEST_F(ProgressDialogTest, ShownCentredByItsClientSize)
{
    ASSERT_NE(nullptr, progress.window);
    EXPECT_TRUE(IsWindowVisible(progress.window));
    char caption[64] = "";
    GetWindowTextA(progress.window, caption, sizeof caption);
    EXPECT_STREQ("Installing...", caption);
    RECT client, outer, desktop;
    GetClientRect(progress.window, &client);
    GetWindowRect(progress.window, &outer);
    GetWindowRect(GetDesktopWindow(), &desktop);
    POINT origin = CentredOrigin(desktop.right, desktop.bottom, client.right, client.bottom);
    EXPECT_EQ(origin.x, outer.left);
    EXPECT_EQ(origin.y, outer.top);
    // The frame makes the outer window larger than its client area, so the
    // rule puts it right of and below the exact centre.
    EXPECT_GT(outer.left, (desktop.right - (outer.right - outer.left)) / 2);
}

TEST_F(ProgressDialogTest, StatusLineAboveTheBar)
{
    RECT bar = {4, 34, 4 + 136, 34 + 17};
    RECT status = {4, 17, 4 + 132, 17 + 8};
    MapDialogRect(progress.window, &bar);
    MapDialogRect(progress.window, &status);
    RECT barPlace = ControlPlace(IDC_PROGRESS_BAR);
    RECT statusPlace = ControlPlace(IDC_PROGRESS_STATUS);
    EXPECT_EQ(bar.left, barPlace.left);
    EXPECT_EQ(bar.top, barPlace.top);
    EXPECT_EQ(bar.right, barPlace.right);
    EXPECT_EQ(bar.bottom, barPlace.bottom);
    EXPECT_EQ(status.top, statusPlace.top);
    EXPECT_EQ(status.right, statusPlace.right);
    EXPECT_LE(statusPlace.bottom, barPlace.top);
}

TEST_F(ProgressDialogTest, EightStepsOfNine)
{
    progress.SetProgressRange(9);
    PBRANGE range;
    SendDlgItemMessageA(progress.window, IDC_PROGRESS_BAR, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(9, range.iHigh);
    for (int i = 0; i < 8; ++i)
        progress.StepProgress();
    EXPECT_EQ(8, Position());
    progress.StepProgress();
    EXPECT_EQ(9, Position()) << "the ninth step fills the bar";
}

TEST_F(ProgressDialogTest, StatusIsReplacedWhole)
{
    progress.SetProgressStatus("Uncompressing AuctionTorvinUninstall.exe...");
    EXPECT_EQ("Uncompressing AuctionTorvinUninstall.exe...", Status());
    progress.SetProgressStatus("Modifying registry...");
    EXPECT_EQ("Modifying registry...", Status());
}

TEST_F(ProgressDialogTest, AfterDestructionNothingHappens)
{
    HWND window = progress.window;
    progress.DestroyProgress();
    EXPECT_EQ(nullptr, progress.window);
    EXPECT_FALSE(IsWindow(window));
    progress.SetProgressRange(9);
    progress.StepProgress();
    progress.SetProgressStatus("ignored");
    progress.DestroyProgress();
}
