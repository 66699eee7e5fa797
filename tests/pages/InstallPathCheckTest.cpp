// The install path check on the prefix's real disk, and the folder browser's
// item paths.
#include "pages/InstallPathCheck.h"
#include "util/Path.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>
#include <shlobj.h>

namespace {

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A drive letter that names no drive of the prefix.
std::string MissingDrive()
{
    DWORD drives = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y'; ++letter)
        if (!(drives & (1u << (letter - 'A'))))
            return std::string(1, letter) + ":";
    return "";
}

// Every test starts and ends without its folders.
class InstallPathCheckTest : public testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }
    static void Wipe()
    {
        DeleteFileA("C:\\PathCheck\\test.tmp");
        RemoveDirectoryA("C:\\PathCheck\\B");
        RemoveDirectoryA("C:\\PathCheck");
    }
};

} // namespace

TEST(FirstCreatableComponent, WhereTheFirstLevelBegins)
{
    struct Case { const char* path; int offset; } cases[] = {
        {"C:\\A\\B\\", 3},
        {"c:\\", 3},
        {"\\\\server\\share\\dir\\", 9},
        // A server without a share has no level to create.
        {"\\\\server\\", -1},
        {"\\\\", -1},
        {"installs\\here\\", -1},
        {"C:A\\", -1},
        {"1:\\A\\", -1},
        {"\\A\\", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string path = c.path;
        char* first = FirstCreatableComponent(&path[0]);
        EXPECT_EQ(c.offset, first ? static_cast<int>(first - &path[0]) : -1);
    }
}

TEST_F(InstallPathCheckTest, CreatesTestsAndRemovesWhatItMade)
{
    for (const char* path : {"C:\\PathCheck\\B", "C:\\PathCheck\\B\\"}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(ValidateInstallPath(path));
        EXPECT_FALSE(Exists("C:\\PathCheck")) << "nothing remains";
    }
}

TEST_F(InstallPathCheckTest, KeepsWhatWasThere)
{
    ASSERT_TRUE(CreateDirectoryA("C:\\PathCheck", nullptr));
    EXPECT_TRUE(ValidateInstallPath("C:\\PathCheck\\B"));
    EXPECT_TRUE(Exists("C:\\PathCheck"));
    EXPECT_FALSE(Exists("C:\\PathCheck\\B"));
    EXPECT_FALSE(Exists("C:\\PathCheck\\test.tmp"));
}

TEST_F(InstallPathCheckTest, AnExistingTestFileFails)
{
    ASSERT_TRUE(CreateDirectoryA("C:\\PathCheck", nullptr));
    HANDLE file = CreateFileA("C:\\PathCheck\\test.tmp", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    EXPECT_FALSE(ValidateInstallPath("C:\\PathCheck"));
    EXPECT_TRUE(Exists("C:\\PathCheck\\test.tmp")) << "someone else's file stays";
}

TEST_F(InstallPathCheckTest, PathsThatCannotBeUsed)
{
    std::string missingDrive = MissingDrive();
    ASSERT_FALSE(missingDrive.empty());
    // 259 characters: the most a path may hold, but no room for "\test.tmp".
    std::string longest = "C:\\PathCheck\\" + std::string(259 - 13, 'x');
    ASSERT_EQ(259u, longest.size());
    // The longest that still takes "\" and "test.tmp".
    std::string fitting = "C:\\PathCheck\\" + std::string(250 - 13, 'y');
    struct Case { std::string path; bool valid; } cases[] = {
        {"installs\\here", false},
        {missingDrive + "\\AuctionTorvin", false},
        {longest, false},
        {longest + "z", false},
        {"", false},
        {fitting, true},
        {"C:", true},
        {"C:\\", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(c.valid, ValidateInstallPath(c.path.c_str()));
        EXPECT_FALSE(Exists("C:\\PathCheck"));
        EXPECT_FALSE(Exists("C:\\test.tmp"));
    }
}

TEST(FolderPathFromItem, OnlyFileSystemFolders)
{
    char buffer[MAX_PATH] = "unchanged";
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
    EXPECT_FALSE(FolderPathFromItem(computer, buffer));
    EXPECT_STREQ("unchanged", buffer);
    CoTaskMemFree(computer);

    LPITEMIDLIST windows = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_WINDOWS, &windows));
    EXPECT_TRUE(FolderPathFromItem(windows, buffer));
    char expected[MAX_PATH];
    GetWindowsDirectoryA(expected, sizeof expected);
    EXPECT_STREQ(expected, buffer);
    CoTaskMemFree(windows);
}
