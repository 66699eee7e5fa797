// The registration page in a real wizard, with its defaults read from the
// prefix's real registry and its values written back to it.
#include "pages/RegistrationPage.h"
#include "resources/DialogIds.h"
#include "tests/pages/PageTest.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/TestRegistry.h"
#include "util/SystemVersion.h"
#include "wizard/BitmapPage.h"
#include "wizard/LayoutUnits.h"

namespace {

const char kWindows9xKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kWindowsNtKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";

// Every test starts and ends without the Updates key, with owner values of
// its own in both system keys, and puts the prefix's back afterwards.
class RegistrationPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
        SetString(HKEY_LOCAL_MACHINE, kWindows9xKey, "RegisteredOwner", "Owner 9x");
        SetString(HKEY_LOCAL_MACHINE, kWindows9xKey, "RegisteredOrganization", "Company 9x");
        SetString(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOwner", "Owner NT");
        SetString(HKEY_LOCAL_MACHINE, kWindowsNtKey, "RegisteredOrganization", "Company NT");
    }
    void TearDown() override
    {
        PageTest::TearDown();
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
    }

    SavedValues owner9x{HKEY_LOCAL_MACHINE, kWindows9xKey, {"RegisteredOwner", "RegisteredOrganization"}};
    SavedValues ownerNt{HKEY_LOCAL_MACHINE, kWindowsNtKey, {"RegisteredOwner", "RegisteredOrganization"}};
};

RECT ControlRect(const WizardPage& page, int id)
{
    RECT bounds;
    GetWindowRect(GetDlgItem(page.GetPageWindow(), id), &bounds);
    MapWindowPoints(nullptr, page.GetPageWindow(), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

} // namespace

TEST_F(RegistrationPageTest, EarlierRegistrationGivesAllFive)
{
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "username", "Ada Lovelace");
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "zip", "W1 2AB");
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "country", "GERMANY");
    // Another type, or too long for its field, counts as missing.
    SetDword(HKEY_CURRENT_USER, kSuiteUpdatesKey, "company", 7);
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "email", std::string(1024, 'e'));
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    RegistrationPage page(nullptr, kPageColour);
    Show(wizard, page);
    EXPECT_EQ("Ada Lovelace", ControlText(page, IDC_FULL_NAME));
    EXPECT_EQ("", ControlText(page, IDC_COMPANY));
    EXPECT_EQ("", ControlText(page, IDC_EMAIL));
    EXPECT_EQ("W1 2AB", ControlText(page, IDC_ZIP));
    EXPECT_EQ("Germany", SelectedEntry(page, IDC_COUNTRY));
    EXPECT_EQ("Please register your copy of AuctionTorvin.", ControlText(page, IDC_REGISTRATION_HEADING));
}

TEST_F(RegistrationPageTest, WithoutAUserNameTheSystemOwner)
{
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "email", "kept@example.com");
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "zip", "12345");
    char localeCountry[256] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGCOUNTRY, localeCountry, sizeof localeCountry);
    ASSERT_STREQ("United States", localeCountry) << "the prefix's locale";
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    RegistrationPage page(nullptr, kPageColour);
    Show(wizard, page);
    bool nine = IsWindows9x();
    EXPECT_EQ(nine ? "Owner 9x" : "Owner NT", ControlText(page, IDC_FULL_NAME));
    EXPECT_EQ(nine ? "Company 9x" : "Company NT", ControlText(page, IDC_COMPANY));
    EXPECT_EQ("", ControlText(page, IDC_EMAIL));
    EXPECT_EQ("", ControlText(page, IDC_ZIP));
    EXPECT_EQ("United States of America", SelectedEntry(page, IDC_COUNTRY));
}

TEST_F(RegistrationPageTest, LabelsAsWideAsTheWidestFieldsToTheEdge)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    RegistrationPage page(nullptr, kPageColour);
    Show(wizard, page);
    EXPECT_EQ("&Full name:", ControlText(page, IDC_FULL_NAME_LABEL));
    EXPECT_EQ("Com&pany name:", ControlText(page, IDC_COMPANY_LABEL));
    EXPECT_EQ("&Email address:", ControlText(page, IDC_EMAIL_LABEL));
    EXPECT_EQ("&Zip code:", ControlText(page, IDC_ZIP_LABEL));
    EXPECT_EQ("&Country:", ControlText(page, IDC_COUNTRY_LABEL));
    // "Com&pany name:" is the widest label: 14 characters at 6 pixels.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE widest = {};
    GetTextExtentPoint32A(dc, "Com&pany name:", 14, &widest);
    SelectObject(dc, previous);
    DeleteDC(dc);
    int labelRight = ControlRect(page, IDC_FULL_NAME_LABEL).right;
    int pageRight = UnitsToPixels(276);
    EXPECT_EQ(UnitsToPixels(92), ControlRect(page, IDC_FULL_NAME_LABEL).left);
    EXPECT_GE(labelRight - UnitsToPixels(92), widest.cx - 1);
    EXPECT_LE(labelRight - UnitsToPixels(92), widest.cx + 1);
    for (int id : {IDC_FULL_NAME, IDC_COMPANY, IDC_EMAIL, IDC_COUNTRY}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(labelRight, ControlRect(page, id).left) << "fields start at the labels' edge";
        // Left and width are each rounded to whole pixels.
        EXPECT_NEAR(pageRight, ControlRect(page, id).right, 1) << "and end at the page's";
    }
    RECT zip = ControlRect(page, IDC_ZIP);
    EXPECT_EQ(labelRight, zip.left);
    EXPECT_NEAR((pageRight - labelRight) / 2, zip.right - zip.left, 2) << "the zip field half as wide";
}

TEST_F(RegistrationPageTest, ValuesKeptAcrossBackAndCommitted)
{
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "username", "Someone");
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    RegistrationPage page(nullptr, kPageColour);
    BitmapPage next(IDD_TEST_LAST, nullptr, kPageColour);
    Show(wizard, page, next);
    EXPECT_EQ("Other", SelectedEntry(page, IDC_COUNTRY)) << "no stored country";
    TypeText(page, IDC_FULL_NAME, "Grace Hopper");
    TypeText(page, IDC_COMPANY, "Navy");
    TypeText(page, IDC_EMAIL, "grace@example.com");
    TypeText(page, IDC_ZIP, "10001");
    HWND combo = GetDlgItem(page.GetPageWindow(), IDC_COUNTRY);
    LRESULT usa = SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("United States of America"));
    ASSERT_NE(CB_ERR, usa);
    SelectListEntry(page, IDC_COUNTRY, static_cast<int>(usa));
    sheet.Press(PSBTN_NEXT);
    ASSERT_EQ(IDD_TEST_LAST, sheet.CurrentPageId());
    sheet.Press(PSBTN_BACK);
    ASSERT_EQ(IDD_REGISTRATION, sheet.CurrentPageId());
    EXPECT_EQ("Grace Hopper", ControlText(page, IDC_FULL_NAME));
    EXPECT_EQ("10001", ControlText(page, IDC_ZIP));
    EXPECT_EQ("United States of America", SelectedEntry(page, IDC_COUNTRY));
    sheet.Press(PSBTN_NEXT);
    sheet.Close();
    DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
    EXPECT_TRUE(page.Commit());
    EXPECT_EQ("Grace Hopper", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "username"));
    EXPECT_EQ("grace@example.com", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "email"));
    EXPECT_EQ("Navy", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "company"));
    EXPECT_EQ("10001", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "zip"));
    EXPECT_EQ("United States", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "country"));
}
