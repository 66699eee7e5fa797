// The proxy page in a real wizard: what it finds in the prefix's real
// registry (saved values, Internet Explorer's and Netscape's settings and
// program keys), its Finish checks with the message boxes answered
// in-process, and what it commits.
#include "pages/ProxyPage.h"
#include "resources/DialogIds.h"
#include "tests/pages/PageTest.h"
#include "tests/resources/TestPageIds.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/TestRegistry.h"
#include "wizard/BitmapPage.h"

#include <vector>

namespace {

const char kExplorerSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kNavigatorProxy[] = "Software\\Netscape\\Netscape Navigator\\Proxy Information";
const char kNavigatorRoot[] = "Software\\Netscape";
const char kExplorerProgram[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
const char kNavigatorProgram[] = "NetscapeMarkup";
const char kBrowserQuestion[] = "The proxy settings you have selected appear to be different from the settings used by "
                                "your web browser.\r\n\r\nDo you want to continue anyway?";
const char kIncomplete[] = "The HTTP proxy settings are incomplete. If you choose any selection other than \"None\" "
                           "then you must provide both a host and a port.";

void SetExplorerEnable(const std::vector<unsigned char>& bytes)
{
    SetValue(HKEY_CURRENT_USER, kExplorerSettings, "ProxyEnable", REG_BINARY, bytes.data(),
             static_cast<DWORD>(bytes.size()));
}

// Every test starts with no saved setting, no proxy in either browser and
// neither browser's program key, and the prefix's own values come back after.
class ProxyPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Wipe();
    }
    void TearDown() override
    {
        PageTest::TearDown();
        Wipe();
    }
    static void Wipe()
    {
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
        DeleteKeyTree(HKEY_CURRENT_USER, kNavigatorRoot);
        DeleteKeyTree(HKEY_CLASSES_ROOT, kNavigatorProgram);
        DeleteValue(HKEY_LOCAL_MACHINE, kExplorerProgram, "");
    }
    // Shows the page after a test page, so it can be left with Back.
    void ShowProxy(WizardSheet& wizard, BitmapPage& before, ProxyPage& page)
    {
        Show(wizard, before, page);
        sheet.Press(PSBTN_NEXT);
        ASSERT_EQ(IDD_PROXY, sheet.CurrentPageId());
    }

    SavedValues explorer{HKEY_CURRENT_USER, kExplorerSettings, {"ProxyEnable", "ProxyServer"}};
    SavedValues explorerProgram{HKEY_LOCAL_MACHINE, kExplorerProgram, {""}};
};

void SetExplorerProgram()
{
    SetString(HKEY_LOCAL_MACHINE, kExplorerProgram, "", "C:\\Program Files\\Internet Explorer\\iexplore.exe");
}

void SetNavigator(const char* host, DWORD port)
{
    SetString(HKEY_CURRENT_USER, kNavigatorProxy, "HTTP_Proxy", host);
    SetDword(HKEY_CURRENT_USER, kNavigatorProxy, "HTTP_ProxyPort", port);
}

void SetSaved(DWORD type, const char* host, DWORD port, bool withPort = true)
{
    SetDword(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyType", type);
    SetString(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyServer", host);
    if (withPort)
        SetDword(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyPort", port);
}

} // namespace

TEST_F(ProxyPageTest, StartsFromTheSavedOrTheBrowsersSetting)
{
    const std::string longHost(256, 'h');
    struct Case {
        const char* name;
        void (*arrange)();
        const char* type;
        std::string host;
        const char* port;
        bool fieldsEnabled;
        // What Finish without changes says: "" nothing, else the message.
        const char* onFinish;
    } cases[] = {
        {"Internet Explorer", [] { SetExplorerEnable({1, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy:8080"); },
         "CERN", "proxy", "8080", true, ""},
        {"FTP, then HTTP with a scheme", [] { SetExplorerEnable({1, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "ftp=ftp.corp:21;http=http://Proxy.Corp:3128"); },
         "CERN", "proxy.corp", "3128", true, ""},
        {"only FTP: Netscape next", [] { SetExplorerEnable({1, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "ftp=ftp.corp:21"); SetNavigator("proxy.corp", 8000); },
         "CERN", "proxy.corp", "8000", true, ""},
        {"ProxyEnable as a number", [] { SetDword(HKEY_CURRENT_USER, kExplorerSettings, "ProxyEnable", 1); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy:8080"); SetExplorerProgram(); },
         "None", "", "", false, ""},
        {"ProxyEnable 0", [] { SetExplorerEnable({0, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy:8080"); },
         "None", "proxy", "8080", false, ""},
        {"ProxyEnable of one byte", [] { SetExplorerEnable({1}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy:8080"); },
         "CERN", "proxy", "8080", true, ""},
        {"ProxyEnable of five bytes", [] { SetExplorerEnable({1, 0, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy:8080"); },
         "None", "", "", false, ""},
        {"no port", [] { SetExplorerEnable({1, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", "proxy"); },
         "CERN", "proxy", "", true, kIncomplete},
        {"Netscape", [] { SetNavigator("proxy.corp", 8000); },
         "CERN", "proxy.corp", "8000", true, ""},
        {"a host too long for the setting", [] { SetExplorerEnable({1, 0, 0, 0}); SetString(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer", std::string(256, 'h') + ":80"); SetExplorerProgram(); },
         "None", "", "", false, ""},
        {"only the Internet Explorer program", [] { SetExplorerProgram(); },
         "None", "", "", false, ""},
        {"nothing at all", [] {},
         "None", "", "", false, ""},
        {"all three saved", [] { SetSaved(2, "Saved.Host", 3128); SetNavigator("proxy.corp", 8000); },
         "SOCKS", "Saved.Host", "3128", true, ""},
        {"two of three saved", [] { SetSaved(2, "Saved.Host", 3128, false); SetNavigator("proxy.corp", 8000); },
         "CERN", "proxy.corp", "8000", true, ""},
        {"a saved port of -1", [] { SetSaved(1, "saved", 0xFFFFFFFF); },
         "CERN", "saved", "", true, kIncomplete},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Wipe();
        DeleteValue(HKEY_CURRENT_USER, kExplorerSettings, "ProxyEnable");
        DeleteValue(HKEY_CURRENT_USER, kExplorerSettings, "ProxyServer");
        c.arrange();
        WizardSheet wizard("AuctionTorvin Installation", nullptr);
        BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
        ProxyPage page(nullptr, kPageColour);
        ShowProxy(wizard, before, page);
        EXPECT_EQ(c.type, SelectedEntry(page, IDC_PROXY_TYPE));
        EXPECT_EQ(c.host, ControlText(page, IDC_PROXY_ADDRESS));
        EXPECT_EQ(c.port, ControlText(page, IDC_PROXY_PORT));
        EXPECT_EQ(c.fieldsEnabled, ControlEnabled(page, IDC_PROXY_ADDRESS));
        EXPECT_EQ(c.fieldsEnabled, ControlEnabled(page, IDC_PROXY_PORT));
        MessageBoxAnswerer answerer(IDOK);
        sheet.Press(PSBTN_FINISH);
        EXPECT_EQ(std::string(c.onFinish), answerer.texts.empty() ? "" : answerer.texts[0]);
        sheet.Close();
    }
}

TEST_F(ProxyPageTest, FinishAsksWhenTheSettingDiffersFromTheBrowsers)
{
    struct Case { int answer; bool finished; } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer == IDYES ? "yes" : "no");
        SetNavigator("proxy.corp", 8000);
        WizardSheet wizard("AuctionTorvin Installation", nullptr);
        BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
        ProxyPage page(nullptr, kPageColour);
        ShowProxy(wizard, before, page);
        // Case counts, and an incomplete setting is not looked at after Yes.
        TypeText(page, IDC_PROXY_ADDRESS, "Proxy.Corp");
        TypeText(page, IDC_PROXY_PORT, "");
        MessageBoxAnswerer answerer(c.answer);
        sheet.Press(PSBTN_FINISH);
        ASSERT_EQ(1u, answerer.texts.size());
        EXPECT_EQ(kBrowserQuestion, answerer.texts[0]);
        EXPECT_EQ(c.finished ? 0 : IDD_PROXY, sheet.CurrentPageId());
        sheet.Close();
    }
}

TEST_F(ProxyPageTest, BrowserWithoutProxyStillAsks)
{
    SetExplorerProgram();
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
    ProxyPage page(nullptr, kPageColour);
    ShowProxy(wizard, before, page);
    SelectListEntry(page, IDC_PROXY_TYPE, 1);
    EXPECT_TRUE(ControlEnabled(page, IDC_PROXY_ADDRESS));
    TypeText(page, IDC_PROXY_ADDRESS, "cache");
    TypeText(page, IDC_PROXY_PORT, "3128");
    MessageBoxAnswerer answerer(IDYES);
    sheet.Press(PSBTN_FINISH);
    ASSERT_EQ(1u, answerer.texts.size());
    EXPECT_EQ(kBrowserQuestion, answerer.texts[0]);
    EXPECT_EQ(0, sheet.CurrentPageId());
}

TEST_F(ProxyPageTest, FinishChecksWithoutABrowser)
{
    struct Case {
        const char* name;
        int type;
        const char* host;
        const char* port;
        const char* message;
        // Saved by Commit once finished: type, host, port.
        long long savedType;
        const char* savedHost;
        long long savedPort;
    } cases[] = {
        {"SOCKS with neither host nor port", 2, "", "", "", 0, "", 0xFFFFFFFF},
        {"a host without a port", 1, "cache", "", kIncomplete, -1, nullptr, -1},
        {"a port without a host", 1, "", "80", kIncomplete, -1, nullptr, -1},
        {"a port of letters is port 0", 1, "cache", "abc", "", 1, "cache", 0},
        {"None keeps what was typed", 0, "cache", "80", "", 0, "cache", 80},
        {"complete", 2, "socks.corp", "1080", "", 2, "socks.corp", 1080},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteKeyTree(HKEY_CURRENT_USER, kSuiteUpdatesKey);
        WizardSheet wizard("AuctionTorvin Installation", nullptr);
        BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
        ProxyPage page(nullptr, kPageColour);
        ShowProxy(wizard, before, page);
        SelectListEntry(page, IDC_PROXY_TYPE, c.type);
        TypeText(page, IDC_PROXY_ADDRESS, c.host);
        TypeText(page, IDC_PROXY_PORT, c.port);
        MessageBoxAnswerer answerer(IDOK);
        sheet.Press(PSBTN_FINISH);
        EXPECT_EQ(std::string(c.message), answerer.texts.empty() ? "" : answerer.texts[0]);
        bool finished = c.savedHost != nullptr;
        EXPECT_EQ(finished ? 0 : IDD_PROXY, sheet.CurrentPageId());
        sheet.Close();
        if (!finished)
            continue;
        EXPECT_TRUE(page.Commit());
        EXPECT_EQ(c.savedType, ReadNumber(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyType"));
        EXPECT_EQ(c.savedHost, ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyServer"));
        EXPECT_EQ(c.savedPort, ReadNumber(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyPort"));
    }
}

TEST_F(ProxyPageTest, ASavedTypeOutsideTheListSelectsNothingAndStoresNone)
{
    SetSaved(7, "odd", 81);
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
    ProxyPage page(nullptr, kPageColour);
    ShowProxy(wizard, before, page);
    EXPECT_EQ("<none>", SelectedEntry(page, IDC_PROXY_TYPE));
    EXPECT_FALSE(ControlEnabled(page, IDC_PROXY_ADDRESS));
    EXPECT_FALSE(ControlEnabled(page, IDC_PROXY_PORT));
    // The list holds each type once, however often the page is shown.
    sheet.Press(PSBTN_BACK);
    sheet.Press(PSBTN_NEXT);
    HWND list = GetDlgItem(page.GetPageWindow(), IDC_PROXY_TYPE);
    ASSERT_EQ(3, SendMessageA(list, CB_GETCOUNT, 0, 0));
    const char* types[] = {"None", "CERN", "SOCKS"};
    for (int i = 0; i < 3; ++i) {
        char text[16] = "";
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(types[i], text);
    }
    sheet.Press(PSBTN_FINISH);
    EXPECT_EQ(0, sheet.CurrentPageId());
    sheet.Close();
    EXPECT_TRUE(page.Commit());
    EXPECT_EQ(0, ReadNumber(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyType"));
    EXPECT_EQ("odd", ReadText(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyServer"));
    EXPECT_EQ(81, ReadNumber(HKEY_CURRENT_USER, kSuiteUpdatesKey, "HTTPProxyPort"));
}

TEST_F(ProxyPageTest, ShowsItsTexts)
{
    WizardSheet wizard("AuctionTorvin Installation", nullptr);
    BitmapPage before(IDD_TEST_FIRST, nullptr, kPageColour);
    ProxyPage page(nullptr, kPageColour);
    ShowProxy(wizard, before, page);
    EXPECT_EQ("Check whether your LAN or ISP use a proxy/firewall for security purposes when connecting to the "
              "Internet. If so, enter the address and port number of the HTTP proxy below.",
              ControlText(page, IDC_PROXY_EXPLANATION));
    EXPECT_EQ("Note: If you haven't set up a proxy for your browser, you shouldn't need to do so here.",
              ControlText(page, IDC_PROXY_NOTE));
    EXPECT_EQ("&HTTP proxy:", ControlText(page, IDC_PROXY_TYPE_LABEL));
    EXPECT_EQ("Address:", ControlText(page, IDC_PROXY_ADDRESS_LABEL));
    EXPECT_EQ("Port:", ControlText(page, IDC_PROXY_PORT_LABEL));
    EXPECT_EQ("Finish", sheet.ItemText(kFinishButtonId));
}
