#include "integration/FileType.h"
#include "integration/ProductRegistration.h"
#include "tests/support/TestInstaller.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/TestSystemPaths.h"
#include "util/SystemVersion.h"

#include <gtest/gtest.h>

#include <string>
#include <windows.h>

namespace {

const char kMachineVersion[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion";

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Every key registration writes, gone before and after each test.
class RegistrationTest : public testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }
    static void Wipe()
    {
        for (const char* key : {".AuctionTorvinSearch", "AuctionTorvinSearchFile", ".OtherSearch", "OddClassFile",
                                ".NoDefaultSearch", "NoDefaultSearchFile", ".TestFlagsSearch", "TestFlagsSearchFile"})
            WipeKey(HKEY_CLASSES_ROOT, key);
        WipeKey(HKEY_CLASSES_ROOT, kFindMenuClassKey);
        WipeKey(HKEY_LOCAL_MACHINE, kTorvinsKey);
        WipeKey(HKEY_LOCAL_MACHINE, kUninstallEntryKey);
        WipeKey(HKEY_LOCAL_MACHINE, kMakerKey);
        WipeKey(HKEY_CURRENT_USER, kMakerKey);
        DeleteRawValue(HKEY_LOCAL_MACHINE, kApprovedKey, kFindMenuClsid);
    }
};

} // namespace

TEST_F(RegistrationTest, WritesEveryEntryOfAnInstallation)
{
    TestInstaller installer("C:\\Program Files\\Vidi Duvo\\AuctionTorvin");
    RegisterSearchFileTypes(*installer);
    RegisterFindMenuExtension(*installer);
    RegisterUninstallEntry(*installer);

    const std::string d = "C:\\Program Files\\Vidi Duvo\\AuctionTorvin";
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    struct Row {
        HKEY root;
        std::string key;
        const char* value;
        std::string data;
    } rows[] = {
        {HKEY_CLASSES_ROOT, ".AuctionTorvinSearch", nullptr, "AuctionTorvinSearchFile"},
        {HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile", nullptr, "AuctionTorvin Search"},
        {HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile", "NeverShowExt", ""},
        {HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile\\DefaultIcon", nullptr, d + "\\AuctionTorvin.exe,-10000"},
        {HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile\\shell\\open\\command", nullptr,
         d + "\\AuctionTorvin.exe /load:%1"},
        {HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Auction", "Distributor", "VididiDuvo"},
        {HKEY_CLASSES_ROOT, kFindMenuClassKey, nullptr, "NetTorvin Find Menu Extension"},
        {HKEY_CLASSES_ROOT, kFindMenuClassKey + "\\InProcServer32", "ThreadingModel", "Apartment"},
        {HKEY_CLASSES_ROOT, kFindMenuClassKey + "\\InProcServer32", nullptr, std::string(system) + "\\NetTorvin.dll"},
        {HKEY_LOCAL_MACHINE, kTorvinsKey, nullptr, kFindMenuClsid},
        {HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\AuctionTorvin", "Path", d + "\\AuctionTorvin.exe"},
        {HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\AuctionTorvin", "MenuText",
         IsVersion5OrLater() ? "For &Auctions..." : "&Auctions..."},
        {HKEY_LOCAL_MACHINE, std::string(kTorvinsKey) + "\\AuctionTorvin", "HelpText", "Find auctions on the Internet"},
        {HKEY_LOCAL_MACHINE, kApprovedKey, kFindMenuClsid, IsWindows9x() ? "<missing>" : "NetTorvin"},
        {HKEY_LOCAL_MACHINE, kUninstallEntryKey, "DisplayName", "AuctionTorvin"},
        // Unquoted, one blank, although the directory has blanks of its own.
        {HKEY_LOCAL_MACHINE, kUninstallEntryKey, "UninstallString", WindowsFile("AuctionTorvinUninstall.exe") + " " + d},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key + " " + (row.value ? row.value : "(default)"));
        EXPECT_EQ(row.data, ReadRawString(row.root, row.key, row.value));
    }
    DWORD type = REG_NONE;
    std::string flags;
    ASSERT_TRUE(ReadRawValue(HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile", "EditFlags", &type, &flags));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(Bytes({0, 0, 1, 0}), flags);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMakerKey)) << "nothing of ours under the machine's suite key";
}

TEST_F(RegistrationTest, EditFlagsKeepTheirLengthAndOtherBits)
{
    struct Case {
        const char* name;
        bool present;
        DWORD type;
        std::string before;
        std::string after;
    } cases[] = {
        {"none", false, REG_BINARY, "", Bytes({0, 0, 1, 0})},
        {"already set", true, REG_BINARY, Bytes({0, 0, 1, 0}), Bytes({0, 0, 1, 0})},
        {"longer with other bits", true, REG_BINARY, Bytes({0x11, 0x22, 0x40, 0x80, 0x55, 0x66}),
         Bytes({0x11, 0x22, 0x41, 0x80, 0x55, 0x66})},
        // Too short to hold the bit: it would be lost, so 4 bytes are written.
        {"two bytes", true, REG_BINARY, Bytes({0x08, 0x01}), Bytes({0x08, 0x01, 1, 0})},
        // Another program stored a number: its bits are kept, as binary.
        {"a number", true, REG_DWORD, Bytes({0x00, 0x01, 0x00, 0x00}), Bytes({0x00, 0x01, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WipeKey(HKEY_CLASSES_ROOT, "TestFlagsSearchFile");
        if (c.present)
            ASSERT_TRUE(WriteRawValue(HKEY_CLASSES_ROOT, "TestFlagsSearchFile", "EditFlags", c.type, c.before));
        RegisterFileType("TestFlagsSearch", "Test", "icon", "command");
        DWORD type = REG_NONE;
        std::string flags;
        ASSERT_TRUE(ReadRawValue(HKEY_CLASSES_ROOT, "TestFlagsSearchFile", "EditFlags", &type, &flags));
        EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
        EXPECT_EQ(c.after, flags);
    }
}

TEST_F(RegistrationTest, UnregisteringRemovesTheClassTheExtensionNames)
{
    // Missing extension key: nothing changes.
    RegisterFileType("Other", "Other", "icon", "command");
    WipeKey(HKEY_CLASSES_ROOT, ".OtherSearch");
    UnregisterFileType("OtherSearch");
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "OtherFile\\shell\\open\\command"));
    WipeKey(HKEY_CLASSES_ROOT, "OtherFile");

    // An extension key without a default value: only it goes.
    ASSERT_TRUE(WriteRawValue(HKEY_CLASSES_ROOT, ".NoDefaultSearch", "Other", REG_SZ, std::string("x", 2)));
    RegisterFileType("NoDefaultSearch", "d", "i", "c");
    ASSERT_TRUE(DeleteRawValue(HKEY_CLASSES_ROOT, ".NoDefaultSearch", nullptr));
    UnregisterFileType("NoDefaultSearch");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".NoDefaultSearch"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "NoDefaultSearchFile\\DefaultIcon"));

    // The extension names a class other than the derived one: that class goes, the derived one stays.
    RegisterFileType("AuctionTorvinSearch", "d", "i", "c");
    RegisterFileType("OddClass", "d", "i", "c");  // makes OddClassFile with its subkeys
    ASSERT_TRUE(WriteRawValue(HKEY_CLASSES_ROOT, ".AuctionTorvinSearch", nullptr, REG_SZ,
                              std::string("OddClassFile", 13)));
    UnregisterFileType("AuctionTorvinSearch");
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".AuctionTorvinSearch"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "OddClassFile"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "AuctionTorvinSearchFile\\shell\\open\\command"));
    WipeKey(HKEY_CLASSES_ROOT, ".OddClass");
}

TEST_F(RegistrationTest, RemovingTheMachineProductKeyLeavesOtherProducts)
{
    TestInstaller installer;
    RemoveMachineProductKey("Auction");  // nothing there: nothing changes
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMakerKey));

    for (const char* product : {"Auction", "News"})
        ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kMachineVersion) + "\\" + product, "v", REG_SZ,
                                  std::string("1", 2)));
    RemoveMachineProductKey("Auction");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kMachineVersion) + "\\Auction"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kMachineVersion) + "\\News"));

    RemoveMachineProductKey("News");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kMakerKey)) << "the last product takes the suite's keys along";

    // The maker's key holding another program of theirs stays, on every system.
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kMakerKey) + "\\OtherProgram", "v", REG_SZ,
                              std::string("1", 2)));
    ASSERT_TRUE(WriteRawValue(HKEY_LOCAL_MACHINE, std::string(kMachineVersion) + "\\Auction", "v", REG_SZ,
                              std::string("1", 2)));
    RemoveMachineProductKey("Auction");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\VididiDuvo\\NetTorvin"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kMakerKey) + "\\OtherProgram"));
}
