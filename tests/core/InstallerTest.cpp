#include "core/Installer.h"
#include "core/ProductTable.h"
#include "core/Space.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

const COLORREF kBase = 0x00319A63;
const COLORREF kLight = 0x00A6FFD7;

// The built-in table with the catalogue's product texts filled in, as start does.
struct FilledTable {
    ProductEntry entries[kBuiltInProductCount];
    FilledTable()
    {
        CopyBuiltInProductTable(entries);
        entries[0].displayName = "AuctionTorvin";
        entries[0].findMenuText = "&Auctions...";
        entries[0].searchMenuText = "For &Auctions...";
        entries[0].findMenuHelpText = "Find auctions on the Internet";
    }
};

std::string SystemDirectory(UINT(WINAPI* query)(LPSTR, UINT))
{
    char path[MAX_PATH];
    query(path, sizeof path);
    return path;
}

std::string Joined(const std::string& directory, const char* name)
{
    return directory + (directory.back() == '\\' ? "" : "\\") + name;
}

} // namespace

TEST(Installer, CopiesTheTableAndPlacesSystemFiles)
{
    FilledTable table;
    table.entries[0].installDir = "C:\\ignored"; // never taken from the table
    Installer installer("AuctionTorvin", "AuctionTorvin", table.entries, 1, kBase, kLight);

    EXPECT_EQ(Joined(SystemDirectory(GetSystemDirectoryA), "NetTorvin.dll"), installer.sharedComponentPath);
    const ProductEntry& product = installer.products[0];
    EXPECT_EQ(Joined(SystemDirectory(GetWindowsDirectoryA), "AuctionTorvinUninstall.exe"), product.uninstallerPath);
    EXPECT_STREQ("AuctionTorvin", product.displayName);
    EXPECT_STREQ("Auction", product.subkey);
    EXPECT_STREQ("AuctionTorvin.exe", product.programFile);
    EXPECT_STREQ("AuctionTorvin.gid", product.helpIndexFile);
    EXPECT_STREQ("For &Auctions...", product.searchMenuText);
    EXPECT_EQ(nullptr, product.installDir);
    EXPECT_NE(table.entries[0].subkey, product.subkey) << "the Installer keeps its own copies";
    EXPECT_EQ(1, installer.selected[0]);
    EXPECT_EQ(kBase, installer.baseColour);
    EXPECT_EQ(kLight, installer.lightColour);
    EXPECT_EQ(nullptr, installer.backdropWindow);
    EXPECT_EQ(nullptr, installer.backdropImage);
}

TEST(Installer, AccessorsReadOnlyTheLiveInstaller)
{
    EXPECT_EQ(nullptr, CurrentInstaller());
    const char* before[] = {GetProductName(), GetFolderName(), GetDisplayName(0), GetProductSubkey(0), GetBaseName(0)};
    for (const char* text : before)
        EXPECT_STREQ("", text);
    {
        FilledTable table;
        Installer installer("AuctionTorvin", "AuctionFolder", table.entries, 1, kBase, kLight);
        EXPECT_EQ(&installer, CurrentInstaller());
        EXPECT_STREQ("AuctionTorvin", GetProductName());
        EXPECT_STREQ("AuctionFolder", GetFolderName());
        EXPECT_STREQ("AuctionTorvin", GetDisplayName(0));
        EXPECT_STREQ("Auction", GetProductSubkey(0));
        EXPECT_STREQ("AuctionTorvin", GetBaseName(0));
        EXPECT_EQ(1u, CountSelected());
    }
    EXPECT_EQ(nullptr, CurrentInstaller());
    EXPECT_STREQ("", GetProductName());
    EXPECT_STREQ("", GetBaseName(0));
}

TEST(Installer, EmptySlotsReadAsEmpty)
{
    ProductEntry table[1];
    CopyBuiltInProductTable(table); // display name and menu texts left empty
    Installer installer("", "", table, 1, kBase, kLight);
    EXPECT_STREQ("", GetDisplayName(0));
    EXPECT_STREQ("", GetProductName());
}

TEST(Installer, ProductFilePathSharesOneBuffer)
{
    FilledTable table;
    Installer installer("AuctionTorvin", "AuctionTorvin", table.entries, 1, kBase, kLight);
    ASSERT_TRUE(SetInstallDir(installer, 0, "D:\\Tools\\AuctionTorvin"));
    const char* first = ProductFilePath(installer, 0, "AuctionTorvin.exe");
    EXPECT_STREQ("D:\\Tools\\AuctionTorvin\\AuctionTorvin.exe", first);
    const char* second = ProductFilePath(installer, 0, "AuctionTorvin.hlp");
    EXPECT_EQ(first, second);
    EXPECT_STREQ("D:\\Tools\\AuctionTorvin\\AuctionTorvin.hlp", first) << "the second call overwrote the first";

    ASSERT_TRUE(SetInstallDir(installer, 0, "C:\\"));
    EXPECT_STREQ("C:\\AuctionTorvin.exe", ProductFilePath(installer, 0, "AuctionTorvin.exe"));
}

TEST(Installer, LongPathsAreRefusedNotCut)
{
    FilledTable table;
    Installer installer("AuctionTorvin", "AuctionTorvin", table.entries, 1, kBase, kLight);
    std::string dir = "C:\\" + std::string(256, 'x'); // 259 characters: the longest that fits
    ASSERT_TRUE(SetInstallDir(installer, 0, dir.c_str()));
    EXPECT_FALSE(SetInstallDir(installer, 0, (dir + "y").c_str()));
    EXPECT_EQ(dir, installer.products[0].installDir) << "a refused directory keeps the old one";
    EXPECT_STREQ("", ProductFilePath(installer, 0, "AuctionTorvin.exe"))
        << "a file path beyond the buffer is refused";
}

TEST(Space, RequiredSpaceOfTheBuiltInTable)
{
    FilledTable table;
    Installer installer("AuctionTorvin", "AuctionTorvin", table.entries, 1, kBase, kLight);
    EXPECT_EQ(768000u, RequiredSpace(true));
    EXPECT_EQ(1536000u, RequiredSpace(false));
}

TEST(Space, ScalesWithTheProductCount)
{
    ProductEntry table[3];
    for (ProductEntry& entry : table)
        CopyBuiltInProductTable(&entry);
    Installer installer("AuctionTorvin", "AuctionTorvin", table, 3, kBase, kLight);
    EXPECT_EQ(3u, CountSelected());
    EXPECT_EQ(3u * 614400u + 153600u, RequiredSpace(true));
    installer.selected[1] = 0;
    EXPECT_EQ(2u, CountSelected());
    EXPECT_EQ(2u * 1536000u, RequiredSpace(false));
}

namespace {

struct DiskFigures {
    unsigned long sectorsPerCluster, bytesPerSector, freeClusters;
    bool succeeds;
};
DiskFigures figures;
std::string askedRoot;
int asked;

int __stdcall FakeDiskQuery(const char* root, unsigned long* sectorsPerCluster, unsigned long* bytesPerSector,
                            unsigned long* freeClusters, unsigned long* totalClusters)
{
    ++asked;
    askedRoot = root ? root : "(none)";
    *sectorsPerCluster = figures.sectorsPerCluster;
    *bytesPerSector = figures.bytesPerSector;
    *freeClusters = figures.freeClusters;
    *totalClusters = figures.freeClusters;
    return figures.succeeds;
}

class FreeSpaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetDiskFreeSpaceQuery(FakeDiskQuery);
        asked = 0;
    }
    void TearDown() override { SetDiskFreeSpaceQuery(nullptr); }
};

} // namespace

TEST_F(FreeSpaceTest, ReportsExactBytesUpToTheLimit)
{
    struct Case {
        DiskFigures disk;
        unsigned long expected;
    } cases[] = {
        {{1, 1, 767999, true}, 767999},
        {{1, 1, 768000, true}, 768000},
        {{8, 512, 187, true}, 8 * 512 * 187},
        {{64, 512, 131072, true}, 4294967295UL},     // exactly 4 GiB
        {{64, 4096, 4000000, true}, 4294967295UL},   // far beyond 32 bits
        {{65536, 65536, 1, true}, 4294967295UL},     // the cluster alone is 4 GiB
        {{65536, 65536, 0, true}, 0},
        {{8, 512, 1000, false}, 0},                   // the query failed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.disk.sectorsPerCluster << " x " << c.disk.bytesPerSector << " x "
                                        << c.disk.freeClusters << (c.disk.succeeds ? "" : " (fails)"));
        figures = c.disk;
        EXPECT_EQ(c.expected, FreeSpace("D:\\Program Files\\AuctionTorvin"));
        EXPECT_EQ("D:\\", askedRoot);
    }
}

TEST_F(FreeSpaceTest, RequiredAgainstFreeAtTheBoundary)
{
    FilledTable table;
    Installer installer("AuctionTorvin", "AuctionTorvin", table.entries, 1, kBase, kLight);
    figures = {1, 1, 767999, true};
    EXPECT_GT(RequiredSpace(true), FreeSpace("C:\\TEMP\\QX1.tmp"));
    figures = {1, 1, 768000, true};
    EXPECT_FALSE(RequiredSpace(true) > FreeSpace("C:\\TEMP\\QX1.tmp")) << "equal passes";
}

TEST_F(FreeSpaceTest, RootsOfOtherPaths)
{
    figures = {1, 512, 10, true};
    EXPECT_EQ(4294967295UL, FreeSpace("\\\\server\\share\\dir"));
    EXPECT_EQ(0, asked) << "a network path is never measured";

    struct Case {
        const char* path;
        const char* root;
    } cases[] = {{"relative\\dir", "(none)"}, {"C:", "(none)"}, {"", "(none)"}, {"\\\\", "(none)"}, {"e:x", "e:\\"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(5120u, FreeSpace(c.path));
        EXPECT_EQ(c.root, askedRoot);
    }
}

TEST(FreeSpace, MeasuresARealDrive)
{
    EXPECT_GT(FreeSpace("C:\\windows"), 0u);
}
