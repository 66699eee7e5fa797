// The wizard run for real, as a modeless sheet in this process, driven with
// PSM_PRESSBUTTON: buttons, jumps, finishing, committing and the number fields.
#include "core/MessageCatalog.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/ModelessSheet.h"
#include "wizard/WizardPage.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

namespace {


std::string calls;

void Record(const std::string& call)
{
    if (!calls.empty())
        calls += ",";
    calls += call;
}

// A page that records its operations and answers as it is told.
class ProbePage : public WizardPage {
public:
    ProbePage(int dialogId, const char* name) : WizardPage(dialogId), name(name) {}
    int GetNextPageId() override { return nextPageId; }
    bool OnNext() override { Record(name + ":next"); return stayOnNext; }
    bool OnKillActive() override { Record(name + ":kill"); return keepActive; }
    bool OnFinish() override { Record(name + ":finish"); return refuseFinish; }
    bool Commit() override { Record(name + ":commit"); return commits; }

    std::string name;
    int nextPageId = 0;
    bool stayOnNext = false;
    bool keepActive = false;
    bool refuseFinish = false;
    bool commits = true;
};

// Counts the jumps the pages send to the sheet.
WNDPROC sheetProcedure;
int jumpsSent;

LRESULT CALLBACK CountingSheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == PSM_SETCURSELID)
        ++jumpsSent;
    return CallWindowProcA(sheetProcedure, window, message, wParam, lParam);
}

class WizardSheetTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillMessageCatalog();
        InitCommonControls();
        calls.clear();
        jumpsSent = 0;
    }
    void TearDown() override
    {
        sheet.Close();
        ReleaseMessageCatalog();
    }

    void Open(WizardSheet& wizard)
    {
        sheetWindow = sheet.Open(wizard);
        ASSERT_NE(nullptr, sheetWindow);
        sheetProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            sheetWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingSheetProcedure)));
    }
    void Close() { sheet.Close(); }
    void Press(int button) { sheet.Press(button); }
    int CurrentPageId() { return sheet.CurrentPageId(); }
    // "B" for an enabled Back, "N" for a shown, enabled Next, "F" likewise for Finish.
    std::string Buttons()
    {
        std::string shown;
        if (sheet.Usable(kBackButtonId))
            shown += "B";
        if (sheet.Usable(kNextButtonId))
            shown += "N";
        if (sheet.Usable(kFinishButtonId))
            shown += "F";
        return shown;
    }
    std::string SheetItemText(int id) { return sheet.ItemText(id); }

    ModelessSheet sheet;
    HWND sheetWindow = nullptr;
};

} // namespace

TEST_F(WizardSheetTest, ButtonsOfOneTwoAndThreePages)
{
    const int ids[] = {IDD_TEST_FIRST, IDD_TEST_SECOND, IDD_TEST_LAST};
    struct Case { unsigned count; const char* buttons[3]; } cases[] = {
        {1, {"F"}},
        {2, {"N", "BF"}},
        {3, {"N", "BN", "BF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " pages");
        WizardSheet sheet("Test Installation", nullptr);
        ProbePage pages[3] = {{ids[0], "a"}, {ids[1], "b"}, {ids[2], "c"}};
        for (unsigned i = 0; i < c.count; ++i)
            ASSERT_EQ(static_cast<int>(i), sheet.AddPage(&pages[i]));
        Open(sheet);
        for (unsigned i = 0; i < c.count; ++i) {
            SCOPED_TRACE(testing::Message() << "page " << i);
            EXPECT_EQ(ids[i], CurrentPageId());
            EXPECT_EQ(c.buttons[i], Buttons());
            if (i + 1 < c.count)
                Press(PSBTN_NEXT);
        }
        EXPECT_EQ("< &Back", SheetItemText(kBackButtonId));
        EXPECT_EQ("&Next >", SheetItemText(kNextButtonId));
        EXPECT_EQ("Finish", SheetItemText(kFinishButtonId));
        EXPECT_EQ("Cancel", SheetItemText(IDCANCEL));
        Close();
    }
}

TEST_F(WizardSheetTest, NextFollowsTheJumpRule)
{
    struct Case { int nextPageId; bool stay; int page; int jumps; } cases[] = {
        {IDD_TEST_LAST, false, IDD_TEST_LAST, 1},
        {IDD_TEST_LAST, true, IDD_TEST_FIRST, 0},
        {0, false, IDD_TEST_SECOND, 0},
        {0, true, IDD_TEST_FIRST, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "next id " << c.nextPageId << ", stay " << c.stay);
        WizardSheet sheet("Test Installation", nullptr);
        ProbePage first(IDD_TEST_FIRST, "first");
        ProbePage second(IDD_TEST_SECOND, "second");
        ProbePage last(IDD_TEST_LAST, "last");
        first.nextPageId = c.nextPageId;
        first.stayOnNext = c.stay;
        sheet.AddPage(&first);
        sheet.AddPage(&second);
        sheet.AddPage(&last);
        Open(sheet);
        jumpsSent = 0;
        Press(PSBTN_NEXT);
        EXPECT_EQ(c.page, CurrentPageId());
        EXPECT_EQ(c.jumps, jumpsSent);
        Close();
    }
}

TEST_F(WizardSheetTest, OnlyOnFinishCanRefuseToFinish)
{
    struct Case { bool keepActive; bool refuseFinish; bool ended; } cases[] = {
        {true, false, true},
        {false, false, true},
        {false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "keep active " << c.keepActive << ", refuse " << c.refuseFinish);
        WizardSheet sheet("Test Installation", nullptr);
        ProbePage first(IDD_TEST_FIRST, "first");
        ProbePage last(IDD_TEST_LAST, "last");
        last.keepActive = c.keepActive;
        last.refuseFinish = c.refuseFinish;
        sheet.AddPage(&first);
        sheet.AddPage(&last);
        Open(sheet);
        Press(PSBTN_NEXT);
        ASSERT_EQ(IDD_TEST_LAST, CurrentPageId());
        calls.clear();
        Press(PSBTN_FINISH);
        EXPECT_EQ("last:kill,last:finish", calls);
        EXPECT_EQ(c.ended ? 0 : IDD_TEST_LAST, CurrentPageId());
        Close();
    }
}

TEST_F(WizardSheetTest, CommitAllStopsAtTheFailingPage)
{
    WizardSheet sheet(nullptr, nullptr);
    EXPECT_TRUE(sheet.CommitAll()) << "no pages";
    ProbePage first(IDD_TEST_FIRST, "first");
    ProbePage second(IDD_TEST_SECOND, "second");
    ProbePage third(IDD_TEST_LAST, "third");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&third);
    EXPECT_TRUE(sheet.CommitAll());
    EXPECT_EQ("first:commit,second:commit,third:commit", calls);
    calls.clear();
    second.commits = false;
    EXPECT_FALSE(sheet.CommitAll());
    EXPECT_EQ("first:commit,second:commit", calls);
}

TEST_F(WizardSheetTest, AnEleventhPageIsRefused)
{
    WizardSheet sheet(nullptr, nullptr);
    ProbePage page(IDD_TEST_FIRST, "page");
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(i, sheet.AddPage(&page));
    EXPECT_EQ(-1, sheet.AddPage(&page));
    // A new sheet starts an empty registry.
    WizardSheet next(nullptr, nullptr);
    EXPECT_EQ(0, next.AddPage(&page));
}

TEST_F(WizardSheetTest, NumberFields)
{
    WizardSheet sheet("Test Installation", nullptr);
    ProbePage page(IDD_TEST_FIRST, "page");
    sheet.AddPage(&page);
    Open(sheet);
    ASSERT_NE(nullptr, page.GetPageWindow());
    char text[32];

    page.SetItemInt(IDC_TEST_NUMBER, -1);
    page.GetItemText(IDC_TEST_NUMBER, text, sizeof text);
    EXPECT_STREQ("", text) << "-1 empties the field";
    page.SetItemInt(IDC_TEST_NUMBER, 8080);
    page.GetItemText(IDC_TEST_NUMBER, text, sizeof text);
    EXPECT_STREQ("8080", text);

    struct Case { const char* text; int value; } cases[] = {
        {"", -1}, {"abc", 0}, {"8080", 8080},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        page.SetItemText(IDC_TEST_NUMBER, c.text);
        EXPECT_EQ(c.value, page.GetItemInt(IDC_TEST_NUMBER));
    }
}
