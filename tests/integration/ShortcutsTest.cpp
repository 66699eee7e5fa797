#include "integration/Shortcuts.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"
#include "tests/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <shlobj.h>
#include <string>
#include <windows.h>

namespace {

std::string DesktopLink()
{
    char desktop[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    return std::string(desktop) + "\\AuctionTorvin.LNK";
}

// The link's target and description, read back through the shell.
bool ReadLink(const std::string& path, std::string* target, std::string* description, std::string* arguments)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         reinterpret_cast<void**>(&link)))
        && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    if (ok) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        char text[MAX_PATH] = "";
        ok = SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0));
        *target = text;
        text[0] = 0;
        link->GetDescription(text, MAX_PATH);
        *description = text;
        text[0] = 0;
        link->GetArguments(text, MAX_PATH);
        *arguments = text;
    }
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return ok;
}

class ShortcutTest : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() { DeleteFileA(DesktopLink().c_str()); }
};

// A Shell_TrayWnd of the test's own on a thread of its own, which either
// answers its messages or never looks at them (a hung taskbar).
class TestTaskbar {
public:
    explicit TestTaskbar(bool answers) : answers(answers)
    {
        ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
        WaitForSingleObject(ready, 10000);
    }
    ~TestTaskbar()
    {
        SetEvent(release);
        if (window)
            PostMessageA(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        CloseHandle(ready);
        CloseHandle(release);
    }
    HWND window = nullptr;
    volatile LONG commands = 0;
    volatile WPARAM lastWParam = 0;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        TestTaskbar* self = reinterpret_cast<TestTaskbar*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && self) {
            self->lastWParam = wParam;
            InterlockedIncrement(&self->commands);
            return 0;
        }
        if (message == WM_CLOSE) {
            DestroyWindow(hwnd);
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    static DWORD WINAPI Run(void* context)
    {
        TestTaskbar* self = static_cast<TestTaskbar*>(context);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Shell_TrayWnd";
        RegisterClassA(&windowClass);
        self->window = CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       windowClass.hInstance, nullptr);
        SetWindowLongPtrA(self->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        SetEvent(self->ready);
        if (!self->answers) {
            WaitForSingleObject(self->release, INFINITE);  // hung: never pumps while the test waits
        }
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
        UnregisterClassA("Shell_TrayWnd", windowClass.hInstance);
        return 0;
    }
    bool answers;
    HANDLE ready;
    HANDLE release;
    HANDLE thread;
};

} // namespace

TEST_F(ShortcutTest, TheDesktopShortcutPointsAtTheProgram)
{
    TestInstaller installer("C:\\Program Files\\AuctionTorvin");
    CreateDesktopShortcuts(*installer);
    std::string target, description, arguments;
    ASSERT_TRUE(ReadLink(DesktopLink(), &target, &description, &arguments)) << DesktopLink();
    EXPECT_EQ("C:\\Program Files\\AuctionTorvin\\AuctionTorvin.exe", target);
    EXPECT_EQ("AuctionTorvin", description);
    EXPECT_EQ("", arguments);

    // A second installation elsewhere replaces the link.
    SetInstallDir(*installer, 0, "D:\\Elsewhere");
    CreateDesktopShortcuts(*installer);
    ASSERT_TRUE(ReadLink(DesktopLink(), &target, &description, &arguments));
    EXPECT_EQ("D:\\Elsewhere\\AuctionTorvin.exe", target);
}

TEST_F(ShortcutTest, AnUnselectedProductGetsNoShortcut)
{
    TestInstaller installer("C:\\Program Files\\AuctionTorvin");
    installer->selected[0] = 0;
    CreateDesktopShortcuts(*installer);
    EXPECT_FALSE(FileExists(DesktopLink())) << DesktopLink();
}

TEST_F(ShortcutTest, ALinkThatCannotBeSavedReportsFalse)
{
    EXPECT_FALSE(CreateShellLink("C:\\x.exe", "C:\\no-such-folder\\x.lnk", "x"));
    EXPECT_TRUE(CreateShellLink("C:\\x.exe", (TempDirectory() + "x.lnk").c_str(), "x"));
    DeleteFileA((TempDirectory() + "x.lnk").c_str());
}

TEST_F(ShortcutTest, RemovesOnlyAShortcutIntoTheInstallDirectory)
{
    struct Case {
        const char* target;
        bool removed;
    } cases[] = {
        {"C:\\Program Files\\AuctionTorvin\\AuctionTorvin.exe", true},
        {"c:\\program files\\auctiontorvin\\AuctionTorvin.exe", true},
        {"C:\\Program Files\\AuctionTorvin\\Other.exe", true},
        {"C:\\Program Files\\AuctionTorvin\\sub\\AuctionTorvin.exe", false},
        {"C:\\Program Files\\AuctionTorvin2\\AuctionTorvin.exe", false},
        {"D:\\Elsewhere\\AuctionTorvin.exe", false},
    };
    TestInstaller installer("C:\\Program Files\\AuctionTorvin\\");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        ASSERT_TRUE(CreateShellLink(c.target, DesktopLink().c_str(), "AuctionTorvin"));
        RemoveDesktopShortcuts(*installer);
        EXPECT_EQ(c.removed, !FileExists(DesktopLink()));
    }
    // Not a shell link at all: left alone.
    Clean();
    HANDLE file = CreateFileA(DesktopLink().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    RemoveDesktopShortcuts(*installer);
    EXPECT_TRUE(FileExists(DesktopLink()));
}

TEST_F(ShortcutTest, AnUnselectedProductKeepsItsShortcut)
{
    TestInstaller installer("C:\\Program Files\\AuctionTorvin");
    CreateDesktopShortcuts(*installer);
    installer->selected[0] = 0;
    RemoveDesktopShortcuts(*installer);
    EXPECT_TRUE(FileExists(DesktopLink()));
}

TEST(NotifyTaskbar, SendsTheRefreshCommandToAnAnsweringTaskbar)
{
    TestTaskbar taskbar(true);
    ASSERT_NE(nullptr, taskbar.window);
    NotifyTaskbar();
    EXPECT_EQ(1, taskbar.commands);
    EXPECT_EQ(static_cast<WPARAM>(0x1A065), taskbar.lastWParam);
}

TEST(NotifyTaskbar, AHungTaskbarHoldsSetupOnlyForTheTimeout)
{
    TestTaskbar taskbar(false);
    ASSERT_NE(nullptr, taskbar.window);
    DWORD start = GetTickCount();
    NotifyTaskbar();
    DWORD waited = GetTickCount() - start;
    EXPECT_LT(waited, kTaskbarTimeoutMs + 5000) << "setup waited for a taskbar that never answers";
    EXPECT_EQ(0, taskbar.commands);
}

// In a process of its own: once a process has used the shell's link object,
// Wine's shell remembers the desktop folder and no longer rereads it.
void CreateShortcutWithoutDesktop()
{
    TestInstaller installer("C:\\Program Files\\AuctionTorvin");
    CreateDesktopShortcuts(*installer);
    std::exit(0);
}

TEST_F(ShortcutTest, NoShortcutWhenTheShellCannotNameTheDesktop)
{
    // A relative desktop folder in the user's shell folders: Wine's shell then
    // reports no path for the desktop, as a damaged profile does on Windows.
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    DWORD type = REG_NONE;
    std::string saved;
    ASSERT_TRUE(ReadRawValue(HKEY_CURRENT_USER, key, "Desktop", &type, &saved));
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, key, "Desktop", REG_SZ, std::string("Desk", 5)));
    char workingDirectory[MAX_PATH];
    GetCurrentDirectoryA(sizeof workingDirectory, workingDirectory);
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(CreateShortcutWithoutDesktop(), testing::ExitedWithCode(0), "");
    ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, key, "Desktop", type, saved));
    std::string relative = std::string(workingDirectory) + "\\AuctionTorvin.LNK";
    std::string underDesk = std::string(workingDirectory) + "\\Desk\\AuctionTorvin.LNK";
    std::string driveRoot = "\\AuctionTorvin.LNK";
    EXPECT_FALSE(FileExists(relative) || FileExists(underDesk) || FileExists(driveRoot))
        << "a link saved under a relative path";
    EXPECT_FALSE(FileExists(DesktopLink())) << DesktopLink();
    DeleteFileA(relative.c_str());
    DeleteFileA(underDesk.c_str());
    DeleteFileA(driveRoot.c_str());
}
