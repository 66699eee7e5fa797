// The license and notice pages in a real wizard: the Yes/No buttons follow
// the page shown, and the texts are the catalogue's.
#include "pages/LicensePage.h"
#include "pages/NoticePage.h"
#include "resources/DialogIds.h"
#include "tests/pages/PageTest.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "wizard/BitmapPage.h"

namespace {

class LicensePageTest : public PageTest {
protected:
    void ExpectQuestionButtons()
    {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(sheet.window, kBackButtonId))) << "Back hidden";
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet.window, kBackButtonId))) << "Back disabled";
        EXPECT_EQ("&Yes", sheet.ItemText(kNextButtonId));
        EXPECT_EQ("&No", sheet.ItemText(IDCANCEL));
        EXPECT_TRUE(sheet.Usable(kNextButtonId));
    }
    void ExpectStandardButtons()
    {
        EXPECT_TRUE(sheet.Usable(kBackButtonId));
        EXPECT_EQ("< &Back", sheet.ItemText(kBackButtonId));
        EXPECT_EQ("&Next >", sheet.ItemText(kNextButtonId));
        EXPECT_EQ("Cancel", sheet.ItemText(IDCANCEL));
    }
};

} // namespace

TEST_F(LicensePageTest, YesAndNoOnlyWhileTheLicenseShows)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    LicensePage license(nullptr, kPageColour);
    NoticePage notice(nullptr, kPageColour);
    BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
    Show(wizard, license, notice, next);
    {
        SCOPED_TRACE("license");
        EXPECT_EQ(IDD_LICENSE, sheet.CurrentPageId());
        ExpectQuestionButtons();
    }
    sheet.Press(PSBTN_NEXT);
    {
        SCOPED_TRACE("notice");
        EXPECT_EQ(IDD_NOTICE, sheet.CurrentPageId());
        ExpectStandardButtons();
        EXPECT_EQ("Note: You must remove all previous versions of the Torvins from your system before continuing "
                  "with this installation.\r\n\r\n",
                  ControlText(notice, IDC_NOTICE_TEXT));
    }
    sheet.Press(PSBTN_BACK);
    {
        SCOPED_TRACE("license again");
        EXPECT_EQ(IDD_LICENSE, sheet.CurrentPageId());
        ExpectQuestionButtons();
    }
    sheet.Press(PSBTN_NEXT);
    EXPECT_EQ(IDD_NOTICE, sheet.CurrentPageId());
    sheet.Press(PSBTN_NEXT);
    {
        SCOPED_TRACE("page after the notice");
        EXPECT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
        EXPECT_TRUE(sheet.Usable(kBackButtonId));
        EXPECT_EQ("Cancel", sheet.ItemText(IDCANCEL));
    }
}

TEST_F(LicensePageTest, TheWholeLicenseReadOnlyAndScrolling)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    LicensePage license(nullptr, kPageColour);
    Show(wizard, license);
    ASSERT_NE(nullptr, license.GetPageWindow());
    ASSERT_NE(nullptr, GetDlgItem(license.GetPageWindow(), IDC_LICENSE_TEXT));
    std::string text = ControlText(license, IDC_LICENSE_TEXT);
    EXPECT_EQ(6799u, text.size());
    EXPECT_EQ(std::string(textLicenseAgreement), text);
    HWND field = GetDlgItem(license.GetPageWindow(), IDC_LICENSE_TEXT);
    LONG style = GetWindowLongA(field, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
    // 40 lines at least (wrapped ones count more), and it scrolls to the end.
    LRESULT lines = SendMessageA(field, EM_GETLINECOUNT, 0, 0);
    EXPECT_GE(lines, 40);
    EXPECT_EQ(0, SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageA(field, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_GT(SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0), lines / 2);
}

TEST_F(LicensePageTest, NoAsksBeforeCancelling)
{
    struct Case { int answer; int pageAfter; } cases[] = {{IDNO, IDD_LICENSE}, {IDYES, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == IDYES ? "yes" : "no");
        WizardSheet wizard("AuctionTorvin Installation", nullptr);
        LicensePage license(nullptr, kPageColour);
        BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
        Show(wizard, license, next);
        MessageBoxAnswerer answerer(c.answer);
        sheet.Press(PSBTN_CANCEL);
        ASSERT_EQ(1u, answerer.texts.size());
        EXPECT_EQ("Are you sure you wish to cancel the installation?", answerer.texts[0]);
        EXPECT_EQ(c.pageAfter, sheet.CurrentPageId());
        if (c.pageAfter)
            EXPECT_EQ("&No", sheet.ItemText(IDCANCEL));
        sheet.Close();
    }
}
