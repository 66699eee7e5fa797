// The install options page in a real wizard: its default directory from the
// prefix's registry and disk, Next's checks with the message boxes answered
// in-process, and the mailing lists it commits.
#include "core/Space.h"
#include "pages/InstallOptionsPage.h"
#include "resources/DialogIds.h"
#include "tests/pages/PageTest.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/TestDisk.h"
#include "tests/support/TestRegistry.h"
#include "wizard/BitmapPage.h"

namespace {

const char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kInstallHere[] = "C:\\OptionsTest\\Install";
const char kAccessMessage[] = "The given installation path cannot be accessed.  Please ensure that the path is valid "
                              "and that you have write permission to the specified directory.";
const char kSpaceQuestion[] = "There does not appear to be enough free space on the drive you are attempting to "
                              "install on. Do you want continue the installation anyway? (Not recommended)";

std::string InstallPathOf(const InstallOptionsPage& page)
{
    char path[MAX_PATH];
    page.GetInstallPath(path, sizeof path);
    return path;
}

// Every test starts and ends without the Updates key and its test folder,
// and puts the prefix's ProgramFilesDir back.
class InstallOptionsPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
        RemoveDirectoryA("C:\\OptionsTest");
    }
    void TearDown() override
    {
        SetDiskFreeSpaceQuery(nullptr);
        PageTest::TearDown();
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
        RemoveDirectoryA("C:\\OptionsTest");
    }

    SavedValues programFiles{HKEY_LOCAL_MACHINE, kCurrentVersionKey, {"ProgramFilesDir"}};
};

// Puts C:\Program Files aside for a test and back afterwards.
class ProgramFilesAside {
public:
    ProgramFilesAside() { moved = MoveFileA("C:\\Program Files", "C:\\Program Files.aside") != 0; }
    ~ProgramFilesAside()
    {
        if (moved)
            MoveFileA("C:\\Program Files.aside", "C:\\Program Files");
    }
    bool moved;
};

} // namespace

TEST_F(InstallOptionsPageTest, DefaultDirectory)
{
    {
        SCOPED_TRACE("ProgramFilesDir");
        SetString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", "D:\\Programs");
        InstallOptionsPage page(nullptr, kPageColour);
        EXPECT_EQ("D:\\Programs\\VididiDuvo\\AuctionTorvin", InstallPathOf(page));
    }
    // Missing, of another type or too long to take the folders: C:\Program Files.
    for (int variant = 0; variant < 3; ++variant) {
        SCOPED_TRACE(variant);
        DeleteValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
        if (variant == 1)
            SetDword(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", 1);
        if (variant == 2)
            SetString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir", "D:\\" + std::string(240, 'p'));
        InstallOptionsPage page(nullptr, kPageColour);
        EXPECT_EQ("C:\\Program Files\\VididiDuvo\\AuctionTorvin", InstallPathOf(page));
    }
    {
        SCOPED_TRACE("no C:\\Program Files");
        DeleteValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "ProgramFilesDir");
        ProgramFilesAside aside;
        ASSERT_TRUE(aside.moved);
        InstallOptionsPage page(nullptr, kPageColour);
        EXPECT_EQ("C:\\VididiDuvo\\AuctionTorvin", InstallPathOf(page));
    }
}

TEST_F(InstallOptionsPageTest, ShowsItsChoices)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    InstallOptionsPage page(nullptr, kPageColour);
    Show(wizard, page);
    EXPECT_EQ("&Add AuctionTorvin to the desktop", ControlText(page, IDC_DESKTOP_ICON));
    EXPECT_EQ("Install &path:", ControlText(page, IDC_INSTALL_PATH_LABEL));
    EXPECT_EQ("B&rowse...", ControlText(page, IDC_BROWSE));
    EXPECT_EQ(InstallPathOf(page), ControlText(page, IDC_INSTALL_PATH));
    for (int id : {IDC_DESKTOP_ICON, IDC_MAILING_LIST_1, IDC_MAILING_LIST_2, IDC_MAILING_LIST_3}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page.GetPageWindow(), id));
    }
    EXPECT_TRUE(page.WantsDesktopIcon());
}

TEST_F(InstallOptionsPageTest, NextRefusesAPathItCannotUse)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    InstallOptionsPage page(nullptr, kPageColour);
    BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
    Show(wizard, page, next);
    MessageBoxAnswerer answerer(IDOK);
    TypeText(page, IDC_INSTALL_PATH, "installs\\here");
    sheet.Press(PSBTN_NEXT);
    ASSERT_EQ(1u, answerer.texts.size());
    EXPECT_EQ(kAccessMessage, answerer.texts[0]);
    EXPECT_EQ(IDD_INSTALL_OPTIONS, sheet.CurrentPageId());
    // Back does not check; the path stays as typed.
    sheet.Press(PSBTN_BACK);
    EXPECT_EQ(1u, answerer.texts.size());
    EXPECT_EQ("installs\\here", InstallPathOf(page));
    TypeText(page, IDC_INSTALL_PATH, kInstallHere);
    sheet.Press(PSBTN_NEXT);
    EXPECT_EQ(1u, answerer.texts.size());
    EXPECT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
    EXPECT_EQ(kInstallHere, InstallPathOf(page));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\OptionsTest")) << "nothing left on the disk";
}

TEST_F(InstallOptionsPageTest, FreeSpaceQuestionOncePerPath)
{
    SetDiskFreeSpaceQuery(&AlmostFullDisk);
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    InstallOptionsPage page(nullptr, kPageColour);
    BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
    Show(wizard, page, next);
    TypeText(page, IDC_INSTALL_PATH, kInstallHere);
    {
        MessageBoxAnswerer answerer(IDNO);
        sheet.Press(PSBTN_NEXT);
        ASSERT_EQ(1u, answerer.texts.size());
        EXPECT_EQ(kSpaceQuestion, answerer.texts[0]);
        EXPECT_EQ(IDD_INSTALL_OPTIONS, sheet.CurrentPageId()) << "No stays";
    }
    MessageBoxAnswerer answerer(IDYES);
    sheet.Press(PSBTN_NEXT);
    EXPECT_EQ(1u, answerer.texts.size());
    EXPECT_EQ(IDD_TEST_LAST, sheet.CurrentPageId()) << "Yes moves on";
    sheet.Press(PSBTN_BACK);
    sheet.Press(PSBTN_NEXT);
    EXPECT_EQ(1u, answerer.texts.size()) << "not asked again for the same path";
    EXPECT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
    sheet.Press(PSBTN_BACK);
    TypeText(page, IDC_INSTALL_PATH, kInstallHere);
    sheet.Press(PSBTN_NEXT);
    EXPECT_EQ(2u, answerer.texts.size()) << "asked again after typing";
    EXPECT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
}

TEST_F(InstallOptionsPageTest, MailingListsCommitted)
{
    struct Case { bool first, second, third; long long subscribe; } cases[] = {
        {true, true, true, 56},
        {false, true, true, 48},
        {true, false, false, 8},
        // None chosen: an earlier installation's value stays.
        {false, false, false, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << c.second << c.third);
        SetDword(HKEY_CURRENT_USER, kSuiteUpdatesKey, "Subscribe", 99);
        WizardSheet wizard("AuctionTorvin Installation", nullptr);
        InstallOptionsPage page(nullptr, kPageColour);
        BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
        Show(wizard, page, next);
        const bool wanted[] = {c.first, c.second, c.third};
        const int boxes[] = {IDC_MAILING_LIST_1, IDC_MAILING_LIST_2, IDC_MAILING_LIST_3};
        for (int i = 0; i < 3; ++i)
            if (!wanted[i])
                Click(page, boxes[i]);
        Click(page, IDC_DESKTOP_ICON);
        TypeText(page, IDC_INSTALL_PATH, kInstallHere);
        sheet.Press(PSBTN_NEXT);
        ASSERT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
        sheet.Close();
        EXPECT_FALSE(page.WantsDesktopIcon());
        EXPECT_TRUE(page.Commit());
        EXPECT_EQ(c.subscribe, ReadNumber(HKEY_CURRENT_USER, kSuiteUpdatesKey, "Subscribe"));
    }
}
