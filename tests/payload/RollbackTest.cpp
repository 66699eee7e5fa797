#include "integration/ProductRegistration.h"
#include "payload/FileInstaller.h"
#include "payload/Rollback.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestInstaller.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/TestSystemPaths.h"
#include "util/SystemVersion.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

const char kUpdates[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Updates";

// An installation as the install phases leave it, then undone.
class RollbackTest : public testing::Test {
protected:
    void SetUp() override
    {
        root = TempDirectory() + "rollback";
        dir = root + "\\Vidi Duvo\\AuctionTorvin";
        Clean();
        installer.reset(new TestInstaller(dir));
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
        ASSERT_TRUE(InstallProductFiles(**installer, nullptr)) << (*installer)->errorText;
        ASSERT_TRUE(WriteRawValue(HKEY_CURRENT_USER, kUpdates, "username", REG_SZ, std::string("Ann", 4)));
        RegisterSearchFileTypes(**installer);
        RegisterFindMenuExtension(**installer);
        RegisterUninstallEntry(**installer);
        ASSERT_TRUE(WriteFileBytes(dir + "\\AuctionTorvin.gid", "made by the help viewer"));
        CreateDirectoryA(PrivateTemp().c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(PrivateTemp() + "\\cache.dat", "x"));
        ASSERT_TRUE(WriteFileBytes(TempDirectory() + "left.qxa", "x"));
    }
    void TearDown() override
    {
        std::string uninstaller = installer ? installer->Uninstaller() : std::string();
        installer.reset();
        Clean();
        DeleteFileA(uninstaller.c_str());
    }
    void Clean()
    {
        TestInstaller fresh(dir);
        for (const char* name : {"AuctionTorvin.exe", "AuctionTorvin.hlp", "AuctionTorvin.cnt", "AuctionTorvin.gid"})
            DeleteFileA((dir + "\\" + name).c_str());
        RemoveDirectoryA(dir.c_str());
        DeleteFileA((root + "\\Vidi Duvo\\keep.txt").c_str());
        RemoveDirectoryA((root + "\\Vidi Duvo").c_str());
        RemoveDirectoryA(root.c_str());
        DeleteFileA(fresh.SharedComponent().c_str());
        DeleteFileA(fresh.Uninstaller().c_str());
        DeleteFileA((PrivateTemp() + "\\cache.dat").c_str());
        RemoveDirectoryA(PrivateTemp().c_str());
        DeleteFileA((TempDirectory() + "left.qxa").c_str());
        for (const char* key : {".AuctionTorvinSearch", "AuctionTorvinSearchFile"})
            WipeKey(HKEY_CLASSES_ROOT, key);
        WipeKey(HKEY_CLASSES_ROOT, kFindMenuClassKey);
        WipeKey(HKEY_LOCAL_MACHINE, kTorvinsKey);
        WipeKey(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
        WipeKey(HKEY_CURRENT_USER, kMakerKey);
        DeleteRawValue(HKEY_LOCAL_MACHINE, kApprovedKey, kFindMenuClsid);
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "wininit.ini");
        DeleteFileA(WindowsFile("wininit.ini").c_str());
        DeleteRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames);
    }
    static std::string PrivateTemp() { return TempDirectory() + "vidididuvo"; }
    void Undo()
    {
        RemoveRegistration(**installer);
        RemoveFiles(**installer);
    }
    // The queue holds a deletion of the file at the next restart.
    bool QueuedForRestart(const std::string& path, const std::string& shortForm)
    {
        if (IsWindows9x()) {
            std::string text = ReadFileBytes(WindowsFile("wininit.ini"));
            return text.find("NUL=" + shortForm) != std::string::npos && text.find("QX") == std::string::npos;
        }
        DWORD type;
        std::string list;
        return ReadRawValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, kPendingRenames, &type, &list)
            && list.find(path) != std::string::npos;
    }
    void ExpectProductGone()
    {
        for (const char* name : {"AuctionTorvin.exe", "AuctionTorvin.hlp", "AuctionTorvin.cnt", "AuctionTorvin.gid"})
            EXPECT_FALSE(FileExists(dir + "\\" + name)) << name;
        EXPECT_FALSE(FileExists(dir));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".AuctionTorvinSearch"));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile"));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\AuctionTorvin"));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Auction"));
    }

    std::string root;
    std::string dir;
    std::unique_ptr<TestInstaller> installer;
};

} // namespace

TEST_F(RollbackTest, TheLastSuiteProductTakesTheSuiteAlong)
{
    std::string uninstallerShort = ShortForm(installer->Uninstaller());
    Undo();
    ExpectProductGone();
    EXPECT_FALSE(FileExists(root + "\\Vidi Duvo")) << "the empty maker folder goes too";
    EXPECT_FALSE(FileExists(root));
    EXPECT_TRUE(FileExists(TempDirectory())) << "the walk stops at a folder that holds other files";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kMakerKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFindMenuClassKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTorvinsKey));
    EXPECT_EQ("<missing>", ReadRawString(HKEY_LOCAL_MACHINE, kApprovedKey, kFindMenuClsid));
    EXPECT_FALSE(FileExists(installer->SharedComponent())) << "not in use: deleted at once";
    EXPECT_FALSE(FileExists(PrivateTemp()));
    EXPECT_FALSE(FileExists(TempDirectory() + "left.qxa"));
    EXPECT_TRUE(FileExists(installer->Uninstaller())) << "left to the restart";
    EXPECT_TRUE(QueuedForRestart(installer->Uninstaller(), uninstallerShort));
}

TEST_F(RollbackTest, ASharedComponentInUseIsQueued)
{
    std::string sharedShort = ShortForm(installer->SharedComponent());
    HANDLE inUse = CreateFileA(installer->SharedComponent().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, inUse);
    Undo();
    CloseHandle(inUse);
    EXPECT_TRUE(FileExists(installer->SharedComponent()));
    EXPECT_TRUE(QueuedForRestart(installer->SharedComponent(), sharedShort));
}

TEST_F(RollbackTest, AnotherSuiteProductKeepsWhatTheSuiteShares)
{
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\NewsTorvin", "Path", REG_SZ,
                              std::string("C:\\News\\NewsTorvin.exe", 23)));
    Undo();
    ExpectProductGone();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUpdates));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kFindMenuClassKey + "\\InProcServer32"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\NewsTorvin"));
    if (!IsWindows9x())
        EXPECT_EQ("NetTorvin", ReadRawString(HKEY_LOCAL_MACHINE, kApprovedKey, kFindMenuClsid));
    EXPECT_TRUE(FileExists(installer->SharedComponent()));
    EXPECT_TRUE(FileExists(PrivateTemp() + "\\cache.dat"));
    EXPECT_TRUE(FileExists(TempDirectory() + "left.qxa"));
    EXPECT_TRUE(QueuedForRestart(installer->Uninstaller(), ShortForm(installer->Uninstaller())));
    WipeKey(HKEY_LOCAL_MACHINE, kTorvinsKey);
}

TEST_F(RollbackTest, AParentHoldingOtherFilesStopsTheWalk)
{
    ASSERT_TRUE(WriteFileBytes(root + "\\Vidi Duvo\\keep.txt", "someone else's"));
    SetInstallDir(**installer, 0, (dir + "\\").c_str());  // a trailing "\" changes nothing
    Undo();
    EXPECT_FALSE(FileExists(dir));
    EXPECT_TRUE(FileExists(root + "\\Vidi Duvo\\keep.txt"));
}

TEST_F(RollbackTest, AnUninstallerNeverUnpackedIsQueuedOnlyOnNt)
{
    ASSERT_TRUE(DeleteFileA(installer->Uninstaller().c_str()));
    Undo();
    if (IsWindows9x()) {
        std::string text = ReadFileBytes(WindowsFile("wininit.ini"));
        EXPECT_EQ(std::string::npos, text.find("AUCTIO")) << "no short form, no line: " << text;
    } else {
        EXPECT_TRUE(QueuedForRestart(installer->Uninstaller(), ""));
    }
}
