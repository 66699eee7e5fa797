#include "util/Memory.h"
#include "util/Path.h"
#include "util/Text.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

TEST(JoinPath, AddsOneSeparator)
{
    struct Case {
        const char* directory;
        const char* name;
        const char* expected;
    } cases[] = {
        {"C:\\Temp", "a.txt", "C:\\Temp\\a.txt"},
        {"C:\\Temp\\", "a.txt", "C:\\Temp\\a.txt"},
        {"C:\\", "NetTorvin.dll", "C:\\NetTorvin.dll"},
        {"", "a", "\\a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directory);
        char buffer[kPathCapacity];
        StrCopyBounded(buffer, sizeof buffer, c.directory);
        EXPECT_TRUE(JoinPath(buffer, sizeof buffer, c.name));
        EXPECT_STREQ(c.expected, buffer);
    }
}

TEST(JoinPath, RefusesWhatDoesNotFit)
{
    // A 260-byte buffer holds 259 characters.
    std::string directory(250, 'd');
    char buffer[kPathCapacity + 4];
    MemFill(buffer, 'S', sizeof buffer);
    StrCopyBounded(buffer, kPathCapacity, directory.c_str());
    EXPECT_TRUE(JoinPath(buffer, kPathCapacity, "12345678")); // 250 + 1 + 8 = 259
    EXPECT_EQ(259u, StrLength(buffer));

    StrCopyBounded(buffer, kPathCapacity, directory.c_str());
    EXPECT_FALSE(JoinPath(buffer, kPathCapacity, "123456789"));
    EXPECT_EQ(directory, buffer) << "a refused join leaves the directory unchanged";
    EXPECT_EQ(0, MemCompare(buffer + kPathCapacity, "SSSS", 4));

    // The separator alone can be what no longer fits.
    std::string full(258, 'd');
    StrCopyBounded(buffer, kPathCapacity, full.c_str());
    EXPECT_FALSE(JoinPath(buffer, kPathCapacity, "x"));
}

namespace {

// A scratch folder in the prefix's temporary directory, wiped before and after.
class ScratchFolder : public testing::Test {
protected:
    void SetUp() override
    {
        root = TempDirectory() + "pathtest";
        Wipe(root);
    }
    void TearDown() override { Wipe(root); }

    static void Wipe(const std::string& folder)
    {
        WIN32_FIND_DATAA entry;
        HANDLE finder = FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (finder != INVALID_HANDLE_VALUE) {
            do {
                std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                std::string path = folder + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Wipe(path);
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(finder, &entry));
            FindClose(finder);
        }
        RemoveDirectoryA(folder.c_str());
    }
    static bool IsDirectory(const std::string& path)
    {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    static void Touch(const std::string& path) { ASSERT_TRUE(WriteFileBytes(path, "")) << path; }

    std::string root;
};

} // namespace

using CreateDirectoryChainTest = ScratchFolder;

TEST_F(CreateDirectoryChainTest, CreatesEveryMissingLevel)
{
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((root + "\\A").c_str(), nullptr));
    std::string target = root + "\\A\\B\\C";
    EXPECT_TRUE(CreateDirectoryChain(target.c_str()));
    EXPECT_TRUE(IsDirectory(root + "\\A\\B"));
    EXPECT_TRUE(IsDirectory(target));
    // Again: everything exists, nothing to do, still success.
    EXPECT_TRUE(CreateDirectoryChain(target.c_str()));
    EXPECT_TRUE(CreateDirectoryChain((target + "\\").c_str()));
}

TEST_F(CreateDirectoryChainTest, FailsWhereAComponentIsAFile)
{
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    Touch(root + "\\file");
    EXPECT_FALSE(CreateDirectoryChain((root + "\\file\\sub").c_str()));
}

TEST_F(CreateDirectoryChainTest, RefusesPathsWithoutARoot)
{
    const char* paths[] = {"A\\B", "\\A\\B", "\\\\server", "\\\\server\\", "1:\\A", "C:A\\B", ""};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(CreateDirectoryChain(path));
    }
    EXPECT_FALSE(IsDirectory("A"));
}

TEST_F(CreateDirectoryChainTest, RefusesAPathThatNoLongerFits)
{
    // 259 characters fit the buffer but the closing "\" does not.
    std::string path = root + "\\" + std::string(259 - root.size() - 1, 'x');
    ASSERT_EQ(259u, path.size());
    EXPECT_FALSE(CreateDirectoryChain(path.c_str()));
    EXPECT_FALSE(IsDirectory(root)) << "nothing is created for a refused path";
    EXPECT_FALSE(CreateDirectoryChain((path + "y").c_str()));
}

TEST(GetPrivateTempPath, IsTheTempFolderWithOurName)
{
    char temp[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
    char buffer[kPathCapacity];
    ASSERT_TRUE(GetPrivateTempPath(buffer, sizeof buffer));
    EXPECT_EQ(std::string(temp) + "vidididuvo", buffer);

    // A buffer too small for the folder, or for the added name, is refused.
    unsigned long length = StrLength(temp);
    char small[kPathCapacity];
    EXPECT_FALSE(GetPrivateTempPath(small, length));
    EXPECT_FALSE(GetPrivateTempPath(small, length + 10));
    EXPECT_TRUE(GetPrivateTempPath(small, length + 11));
}

using DeleteFilesMatchingTest = ScratchFolder;

TEST_F(DeleteFilesMatchingTest, DeletesMatchingFilesOfOneFolderOnly)
{
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((root + "\\sub").c_str(), nullptr));
    Touch(root + "\\a.tmp");
    Touch(root + "\\b.tmp");
    Touch(root + "\\keep.txt");
    Touch(root + "\\sub\\c.tmp");

    DeleteFilesMatching(root.c_str(), "*.tmp");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\a.tmp").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\b.tmp").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\keep.txt").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\sub\\c.tmp").c_str()));

    DeleteFilesMatching(root.c_str(), "*.*");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\keep.txt").c_str()));
    EXPECT_TRUE(IsDirectory(root + "\\sub")) << "subfolders stay";

    DeleteFilesMatching((root + "\\missing").c_str(), "*.*"); // nothing to find: no effect
}

TEST(SameDirectory, IgnoresLetterCaseAndOneTrailingSeparator)
{
    const char* installed = "C:\\Program Files\\VididiDuvo\\AuctionTorvin";
    struct Case {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvin", true},
        {installed, "c:\\PROGRAM FILES\\vidididuvo\\auctiontorvin", true},
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvin\\", true},
        {"C:\\Program Files\\VididiDuvo\\AuctionTorvin\\", installed, true},
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvin\\\\", false},
        {installed, "C:\\Program Files\\VididiDuvo", false},
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvin\\..", false},
        {installed, "C:\\PROGRA~1\\VIDIDI~1\\AUCTIO~1", false},
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvinX", false},
        {installed, "C:\\Program Files\\VididiDuvo\\AuctionTorvin ", false},
        {"C:\\", "c:\\", true},
        {"C:\\", "C:", false},
        {"D:\\Tools\\", "D:\\Tools", true},
        {"", "", false},
        {"", "\\", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        EXPECT_EQ(c.same, SameDirectory(c.a, c.b));
    }
}
