#include "payload/FileInstaller.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

// Records what the file phase reports.
class RecordedProgress : public InstallProgress {
public:
    void AdvanceWithStatus(const char* status) override { statuses.push_back(status); }
    std::vector<std::string> statuses;
};

class FileInstallerTest : public testing::Test {
protected:
    void SetUp() override
    {
        parent = TempDirectory() + "filephase";
        dir = parent + "\\Vendor Folder\\AuctionTorvin";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean()
    {
        TestInstaller installer(dir);
        for (const std::string& file : {installer.Program(), dir + "\\AuctionTorvin.hlp", dir + "\\AuctionTorvin.cnt",
                                        installer.Uninstaller(), installer.SharedComponent()})
            DeleteFileA(file.c_str());
        RemoveDirectoryA(dir.c_str());
        RemoveDirectoryA((parent + "\\Vendor Folder").c_str());
        RemoveDirectoryA(parent.c_str());
    }

    std::string parent;
    std::string dir;
};

const std::vector<std::string> kStatuses = {
    "Uncompressing NetTorvin.dll...", "Uncompressing AuctionTorvin.exe...", "Uncompressing AuctionTorvin.hlp...",
    "Uncompressing AuctionTorvin.cnt...", "Uncompressing uninstall...",
};

} // namespace

TEST_F(FileInstallerTest, PlacesTheFiveFilesEqualToTheirSources)
{
    TestInstaller installer(dir);
    RecordedProgress progress;
    ASSERT_TRUE(InstallProductFiles(*installer, &progress)) << installer->errorText;
    EXPECT_EQ(kStatuses, progress.statuses);
    struct Placed {
        std::string path;
        int original;
    } placed[] = {
        {installer.SharedComponent(), 9998},
        {installer.Program(), 18000},
        {dir + "\\AuctionTorvin.hlp", 18001},
        {dir + "\\AuctionTorvin.cnt", 18002},
        {installer.Uninstaller(), 18003},
    };
    for (const Placed& file : placed) {
        SCOPED_TRACE(file.path);
        std::string bytes = ReadFileBytes(file.path);
        EXPECT_FALSE(bytes.empty());
        EXPECT_TRUE(bytes == RcDataBytes(file.original)) << "differs from its source";
    }
}

TEST_F(FileInstallerTest, KeepsASharedComponentThatIsThereAndStillReportsIt)
{
    TestInstaller installer(dir);
    ASSERT_TRUE(WriteFileBytes(installer.SharedComponent(), "an older version"));
    RecordedProgress progress;
    ASSERT_TRUE(InstallProductFiles(*installer, &progress)) << installer->errorText;
    EXPECT_EQ("an older version", ReadFileBytes(installer.SharedComponent()));
    EXPECT_EQ(kStatuses, progress.statuses);
}

TEST_F(FileInstallerTest, RunsWithoutAProgressWatcher)
{
    TestInstaller installer(dir);
    EXPECT_TRUE(InstallProductFiles(*installer, nullptr)) << installer->errorText;
    EXPECT_TRUE(FileExists(installer.Uninstaller()));
}

TEST_F(FileInstallerTest, AnInstallPathOfABadFormIsRefused)
{
    for (const char* bad : {"relative\\AuctionTorvin", "\\AuctionTorvin", "C:AuctionTorvin", ""}) {
        SCOPED_TRACE(bad);
        TestInstaller installer(bad);
        RecordedProgress progress;
        EXPECT_FALSE(InstallProductFiles(*installer, &progress));
        EXPECT_STREQ("Unable to create destination directory", installer->errorText);
        EXPECT_TRUE(progress.statuses.empty()) << "nothing of the product unpacked";
    }
}

TEST_F(FileInstallerTest, AProgramHeldOpenNamesItselfAndTheProduct)
{
    TestInstaller installer(dir);
    ASSERT_TRUE(InstallProductFiles(*installer, nullptr));
    // A running copy of the product holds its file without sharing.
    HANDLE held = CreateFileA(installer.Program().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RecordedProgress progress;
    EXPECT_FALSE(InstallProductFiles(*installer, &progress));
    CloseHandle(held);
    EXPECT_STREQ("Unable to copy AuctionTorvin.exe. Ensure that all instances of AuctionTorvin are closed. If "
                 "AuctionTorvin isn't running, we recommend a reboot before installing",
                 installer->errorText);
    EXPECT_EQ(2u, progress.statuses.size()) << "stopped at the program";
}

TEST_F(FileInstallerTest, AFailedUninstallerNamesItsFullPath)
{
    TestInstaller installer(dir);
    // A directory of the uninstaller's name cannot be written as a file.
    ASSERT_TRUE(CreateDirectoryA(installer.Uninstaller().c_str(), nullptr));
    RecordedProgress progress;
    bool installed = InstallProductFiles(*installer, &progress);
    RemoveDirectoryA(installer.Uninstaller().c_str());
    EXPECT_FALSE(installed);
    EXPECT_EQ("Unable to copy " + installer.Uninstaller(), installer->errorText);
    EXPECT_EQ(kStatuses, progress.statuses);
}
