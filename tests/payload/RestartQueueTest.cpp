#include "payload/RestartQueue.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/TestSystemPaths.h"
#include "util/SystemVersion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {


std::string PendingList(const std::vector<std::string>& strings)
{
    std::string list;
    for (const std::string& s : strings)
        list += s + '\0';
    return list + '\0';
}

// Both queues start and end empty of anything the tests put there; the
// files the installation places exist, so they have short forms.
class RestartQueueTest : public testing::Test {
protected:
    void SetUp() override
    {
        Clean();
        ASSERT_TRUE(WriteFileBytes(installer.Uninstaller(), "uninstaller"));
        ASSERT_TRUE(WriteFileBytes(installer.SharedComponent(), "shared"));
    }
    void TearDown() override
    {
        Clean();
        DeleteFileA(installer.Uninstaller().c_str());
        DeleteFileA(installer.SharedComponent().c_str());
    }
    void Clean()
    {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "wininit.ini");
        DeleteFileA(WindowsFile("wininit.ini").c_str());
        DeleteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames);
        WipeKey(HKEY_LOCAL_MACHINE, kFileRenamesKey);
    }
    std::string Pending()
    {
        DWORD type = REG_NONE;
        std::string data;
        if (!ReadRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, &type, &data))
            return "<missing>";
        return type == REG_MULTI_SZ ? data : "<wrong type>";
    }

    TestInstaller installer{"C:\\Program Files\\AuctionTorvin"};
};

class Windows9xQueue : public RestartQueueTest {
protected:
    void SetUp() override
    {
        if (!IsWindows9x())
            GTEST_SKIP() << "the Windows 9x queue; this copy reports NT";
        RestartQueueTest::SetUp();
    }
};

class NtQueue : public RestartQueueTest {
protected:
    void SetUp() override
    {
        if (IsWindows9x())
            GTEST_SKIP() << "the NT queue; this copy reports Windows 9x";
        RestartQueueTest::SetUp();
    }
};

} // namespace

TEST_F(Windows9xQueue, QueuedLinesBecomeDeletionsWhenCommitted)
{
    EXPECT_TRUE(QueueDeleteAtRestart(installer.SharedComponent().c_str(), "QX1"));
    EXPECT_TRUE(QueueDeleteAtRestart(installer.Uninstaller().c_str(), "QX2"));
    EXPECT_FALSE(QueueDeleteAtRestart(WindowsFile("NeverThere.exe").c_str(), "QX3")) << "no short form, no line";
    CommitRestartQueue();
    std::string text = ReadFileBytes(WindowsFile("wininit.ini"));
    EXPECT_NE(std::string::npos, text.find("NUL=" + ShortForm(installer.SharedComponent()))) << text;
    EXPECT_NE(std::string::npos, text.find("NUL=" + ShortForm(installer.Uninstaller()))) << text;
    EXPECT_EQ(std::string::npos, text.find("QX")) << text;
    EXPECT_EQ(std::string::npos, text.find("NeverThere")) << text;
}

TEST_F(Windows9xQueue, CancellingBlanksExactlyOurDeletions)
{
    std::string uninstaller = ShortForm(installer.Uninstaller());
    std::string shared = ShortForm(installer.SharedComponent());
    std::string lower = uninstaller;
    CharLowerA(&lower[0]);
    ASSERT_NE(lower, uninstaller) << "the short form has letters to lower";
    std::string before = "[Rename]\r\n"
                         "nul = " + uninstaller + "\r\n"
                         "NUL=" + lower + "\r\n"
                         "NUL=C:\\WINDOWS\\OTHER.EXE\r\n"
                         "[Other]\r\n"
                         "NUL=" + shared;  // the last line has no terminator
    ASSERT_TRUE(WriteFileBytes(WindowsFile("wininit.ini"), before));
    CancelRestartDeletions(*installer);
    std::string expected = "[Rename]\r\n" + std::string(6 + uninstaller.size() + 1, ' ') + "\n"
                           "NUL=" + lower + "\r\n"
                           "NUL=C:\\WINDOWS\\OTHER.EXE\r\n"
                           "[Other]\r\n" + std::string(4 + shared.size(), ' ');
    EXPECT_EQ(expected, ReadFileBytes(WindowsFile("wininit.ini")));
}

TEST_F(Windows9xQueue, CancellingWithoutWininitChangesNothing)
{
    CancelRestartDeletions(*installer);
    EXPECT_FALSE(FileExists(WindowsFile("wininit.ini")));
}

TEST_F(NtQueue, QueueingAsksTheSystemAndAddsNoWininitLine)
{
    EXPECT_FALSE(QueueDeleteAtRestart(installer.Uninstaller().c_str(), "QX2"));
    EXPECT_NE(std::string::npos, Pending().find(installer.Uninstaller())) << Pending();
    EXPECT_FALSE(FileExists(WindowsFile("wininit.ini")));
}

TEST_F(NtQueue, CancellingTakesOurPairsOutOfThePendingList)
{
    std::string ours = "\\??\\" + installer.Uninstaller();
    std::string first = "\\??\\C:\\windows\\temp\\first.tmp";
    std::string third = "\\??\\C:\\windows\\temp\\third.tmp";
    std::string before = PendingList({first, "", ours, "", third, ""});
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, REG_MULTI_SZ, before));
    CancelRestartDeletions(*installer);
    std::string after = Pending();
    EXPECT_EQ(PendingList({first, "", third, ""}), after);
    EXPECT_EQ(before.size() - (ours.size() + 2), after.size());
}

TEST_F(NtQueue, CancellingReadsAListOfAnyLength)
{
    // More than 16,384 bytes of other deletions before ours.
    std::vector<std::string> strings;
    for (int i = 0; i < 400; ++i) {
        strings.push_back("\\??\\C:\\windows\\temp\\some-other-program-" + std::to_string(i) + ".tmp");
        strings.push_back("");
    }
    std::vector<std::string> expected = strings;
    strings.push_back("\\??\\" + installer.SharedComponent());
    strings.push_back("");
    ASSERT_GT(PendingList(strings).size(), 16384u);
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, REG_MULTI_SZ, PendingList(strings)));
    CancelRestartDeletions(*installer);
    EXPECT_TRUE(PendingList(expected) == Pending()) << "our deletion at the end of a long list survived";
}

TEST_F(NtQueue, CancellingCleansFileRenameOperationsAndLeavesTheKey)
{
    CancelRestartDeletions(*installer);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kFileRenamesKey)) << "created, empty, where it was absent";

    std::string uninstallerValue = "\\??\\" + installer.Uninstaller();
    std::string sharedValue = installer.SharedComponent();
    for (const std::string& name : {uninstallerValue, sharedValue, std::string("C:\\windows\\other.dll")})
        ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kFileRenamesKey, name.c_str(), REG_SZ, std::string("x", 2)));
    CancelRestartDeletions(*installer);
    DWORD type;
    std::string data;
    EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kFileRenamesKey, uninstallerValue.c_str(), &type, &data));
    EXPECT_FALSE(ReadRawValue(HKEY_LOCAL_MACHINE, kFileRenamesKey, sharedValue.c_str(), &type, &data));
    EXPECT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kFileRenamesKey, "C:\\windows\\other.dll", &type, &data));
    EXPECT_EQ("<missing>", Pending()) << "no list is written where there was none";
}

TEST(IsRestartDeletedFile, NamesTheUninstallerAndTheSharedComponent)
{
    TestInstaller installer("C:\\Program Files\\AuctionTorvin");
    ASSERT_TRUE(WriteFileBytes(installer.Uninstaller(), "u"));
    std::string shortForm = ShortForm(installer.Uninstaller());
    struct Case {
        std::string text;
        bool shortFlag;
        bool named;
    } cases[] = {
        {"\\??\\" + installer.Uninstaller(), false, true},
        {"\\??\\" + installer.SharedComponent(), false, true},
        {installer.Uninstaller() + ".bak", false, true},
        {"\\??\\C:\\windows\\other.exe", false, false},
        {shortForm, true, true},
        {shortForm + "   ", true, true},
        {shortForm.substr(0, shortForm.size() - 1), true, false},
        {"C:\\OTHER.EXE", true, false},
        // The shared component does not exist here: it has no short form.
        {ShortForm(installer.SharedComponent()) + "NETTOR~1.DLL", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.named, IsRestartDeletedFile(*installer, c.text.c_str(), c.shortFlag));
    }
    installer->selected[0] = 0;
    EXPECT_FALSE(IsRestartDeletedFile(*installer, ("\\??\\" + installer.Uninstaller()).c_str(), false))
        << "an unselected product's uninstaller is not ours";
    DeleteFileA(installer.Uninstaller().c_str());
}

TEST_F(NtQueue, CancellingEndsOnValueNamesTheCodePageCannotShow)
{
    // A name with a character outside the ANSI code page reads back with "?"
    // in its place, so deleting the name as read deletes nothing.
    std::string narrow = installer.Uninstaller();
    std::wstring path(narrow.begin(), narrow.end());
    std::wstring name = L"\x4E2D\\??\\" + path;
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFileRenamesKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4));
    RegCloseKey(key);
    DWORD start = GetTickCount();
    CancelRestartDeletions(*installer);  // must come back
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(NtQueue, AListOfTheWrongTypeOrEmptyIsLeftAsItIs)
{
    std::string ours = "\\??\\" + installer.Uninstaller();
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
    } cases[] = {
        {"a plain string", REG_SZ, ours + '\0'},
        {"binary", REG_BINARY, ours + '\0' + '\0' + '\0'},
        {"empty", REG_MULTI_SZ, std::string()},
        {"one terminator", REG_MULTI_SZ, std::string(1, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, c.type, c.data));
        CancelRestartDeletions(*installer);
        DWORD type = REG_NONE;
        std::string data;
        ASSERT_TRUE(ReadRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, &type, &data));
        EXPECT_EQ(c.type, type);
        EXPECT_TRUE(data == c.data);
    }
}
