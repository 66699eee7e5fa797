#include "integration/RegistryKey.h"
#include "util/Memory.h"
#include "util/SystemVersion.h"

#include <gtest/gtest.h>

#include <string>

// Declared for Vista and later only; Wine has it whatever version it reports.
extern "C" LONG WINAPI RegDeleteTreeA(HKEY key, LPCSTR subkey);

namespace {

const char kSuite[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion";
const char kScratch[] = "Software\\AuctionTorvinTests";
const char kProduct[] = "RegistryKeyTest";

bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void SetRaw(const std::string& path, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(key);
}

// Every test starts and ends without its keys.
class RegistryKeyTest : public testing::Test {
protected:
    void SetUp() override { Wipe(); }
    void TearDown() override { Wipe(); }
    static void Wipe()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratch);
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kSuite) + "\\" + kProduct).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kSuite) + "\\" + kProduct).c_str());
    }
};

} // namespace

TEST(ResolveLocation, NamesEveryLocation)
{
    struct Case {
        RegLocation location;
        const char* relative;
        HKEY root;
        const char* path;
    } cases[] = {
        {SuiteBrowser, nullptr, HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Browser"},
        {SuiteBrowser, "X", HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Browser\\X"},
        {SuiteMailer, nullptr, HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Mailer"},
        {SuiteUpdates, "", HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Updates"},
        {ProductKey, nullptr, HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Auction"},
        {ProductKey, "Sub", HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Auction\\Sub"},
        {SuiteRoot, nullptr, HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion"},
        {SuiteRoot, "Auction", HKEY_CURRENT_USER, "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Auction"},
        {LocalMachine, "SOFTWARE\\X", HKEY_LOCAL_MACHINE, "SOFTWARE\\X"},
        {CurrentUser, "Software\\Y", HKEY_CURRENT_USER, "Software\\Y"},
        {ClassesRoot, ".ats", HKEY_CLASSES_ROOT, ".ats"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        HKEY root;
        char path[kRegistryPathCapacity];
        ASSERT_TRUE(ResolveLocation(c.location, "Auction", c.relative, &root, path, sizeof path));
        EXPECT_EQ(c.root, root);
        EXPECT_STREQ(c.path, path);
    }
}

TEST(ResolveLocation, RefusesWhatWouldNameARootOrNotFit)
{
    struct Case {
        const char* name;
        RegLocation location;
        const char* subkey;
        const char* relative;
    } cases[] = {
        {"unknown location", static_cast<RegLocation>(8), "Auction", "X"},
        {"negative location", static_cast<RegLocation>(-1), "Auction", nullptr},
        {"machine root", LocalMachine, "Auction", nullptr},
        {"user root", CurrentUser, "Auction", ""},
        {"classes root", ClassesRoot, "Auction", nullptr},
        {"product without subkey", ProductKey, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HKEY root = HKEY_CURRENT_USER;
        char path[kRegistryPathCapacity] = "sentinel";
        EXPECT_FALSE(ResolveLocation(c.location, c.subkey, c.relative, &root, path, sizeof path));
        EXPECT_EQ(nullptr, root);
        EXPECT_STREQ("", path);
    }
    // A full path of 1,023 characters fits; one more does not.
    std::string relative(1023 - (sizeof kSuite - 1) - 1, 'r');
    HKEY root;
    char path[kRegistryPathCapacity];
    EXPECT_TRUE(ResolveLocation(SuiteRoot, "Auction", relative.c_str(), &root, path, sizeof path));
    EXPECT_EQ(1023u, std::string(path).size());
    EXPECT_FALSE(ResolveLocation(SuiteRoot, "Auction", (relative + "r").c_str(), &root, path, sizeof path));
    EXPECT_FALSE(ResolveLocation(CurrentUser, "Auction", std::string(1024, 'c').c_str(), &root, path, sizeof path));
    // The longest product subkey the object keeps (Wine itself refuses key
    // paths that long, so only the resolution can show it).
    EXPECT_TRUE(ResolveLocation(ProductKey, std::string(511, 'p').c_str(), nullptr, &root, path, sizeof path));
}

TEST_F(RegistryKeyTest, OpenExistingOrCreate)
{
    RegistryKey key(kProduct);
    EXPECT_FALSE(key.Open(CurrentUser, "Software\\AuctionTorvinTests\\A\\B", true));
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kScratch));

    EXPECT_TRUE(key.Open(CurrentUser, "Software\\AuctionTorvinTests\\A\\B", false));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\AuctionTorvinTests\\A\\B"));
    EXPECT_TRUE(key.WriteString("v", "1"));

    EXPECT_TRUE(key.Open(CurrentUser, "Software\\AuctionTorvinTests\\A", true));
    EXPECT_TRUE(key.HasSubkeys());
    if (!IsWindows9x())
        EXPECT_FALSE(key.WriteString("w", "2")) << "read access only (Windows 9x checks no access rights)";
    EXPECT_TRUE(key.Open(CurrentUser, "Software\\AuctionTorvinTests\\A\\B", true));
    EXPECT_FALSE(key.HasSubkeys());
    key.Close();
    EXPECT_FALSE(key.IsOpen());
    char text[8] = "x";
    EXPECT_FALSE(key.ReadString("v", text, sizeof text)) << "no key is open";
    EXPECT_FALSE(key.WriteString("v", "1"));
}

TEST_F(RegistryKeyTest, ProductKeyUsesTheSubkey)
{
    RegistryKey key(kProduct);
    ASSERT_TRUE(key.Open(ProductKey, nullptr, false));
    EXPECT_TRUE(key.WriteString("Distributor", "VididiDuvo"));
    key.Close();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kSuite) + "\\" + kProduct));
    EXPECT_TRUE(key.DeleteKey(ProductKey, nullptr));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSuite) + "\\" + kProduct));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSuite)) << "the suite key stays";
}

TEST_F(RegistryKeyTest, ValuesRoundTripWithTheirTypes)
{
    RegistryKey key(kProduct);
    ASSERT_TRUE(key.Open(CurrentUser, kScratch, false));
    const char multi[] = "a\0bc\0";
    const unsigned char binary[] = {1, 0, 0, 0};
    EXPECT_TRUE(key.WriteString("text", "hello"));
    EXPECT_TRUE(key.WriteString(nullptr, "default"));
    EXPECT_TRUE(key.WriteMultiString("multi", multi, sizeof multi));
    EXPECT_TRUE(key.WriteBinary("binary", binary, sizeof binary));
    EXPECT_TRUE(key.WriteDword("dword", 48));

    char text[16];
    EXPECT_TRUE(key.ReadString("text", text, sizeof text));
    EXPECT_STREQ("hello", text);
    EXPECT_TRUE(key.ReadString("", text, sizeof text));
    EXPECT_STREQ("default", text);
    char list[16];
    unsigned long size = sizeof list;
    EXPECT_TRUE(key.ReadMultiString("multi", list, &size));
    EXPECT_EQ(sizeof multi, size);
    EXPECT_EQ(0, MemCompare(multi, list, sizeof multi));
    unsigned char bytes[4] = {};
    size = sizeof bytes;
    EXPECT_TRUE(key.ReadBinary("binary", bytes, &size));
    EXPECT_EQ(4u, size);
    EXPECT_EQ(1, bytes[0]);
    unsigned long number = 0;
    EXPECT_TRUE(key.ReadDword("dword", &number));
    EXPECT_EQ(48u, number);

    // Another type is refused.
    EXPECT_FALSE(key.ReadString("dword", text, sizeof text));
    EXPECT_FALSE(key.ReadDword("text", &number));
    EXPECT_FALSE(key.ReadBinary("dword", bytes, &size));
    EXPECT_TRUE(key.ValueExists("dword"));
    EXPECT_FALSE(key.ValueExists("missing"));

    // A missing value leaves the buffer as it was.
    MemCopy(text, "keep", 5);
    EXPECT_FALSE(key.ReadString("missing", text, sizeof text));
    EXPECT_STREQ("keep", text);

    EXPECT_TRUE(key.DeleteValue("text"));
    EXPECT_FALSE(key.ValueExists("text"));
    EXPECT_TRUE(key.DeleteValue("text")) << "an absent value counts as deleted";

    char name[32];
    bool sawDword = false;
    for (unsigned long i = 0; key.EnumValueName(i, name, sizeof name); ++i)
        sawDword |= std::string(name) == "dword";
    EXPECT_TRUE(sawDword);
}

TEST_F(RegistryKeyTest, TextsAreAlwaysTerminatedInsideTheBuffer)
{
    std::string path = kScratch;
    SetRaw(path, "unterminated", REG_SZ, "abcdefgh", 8);
    SetRaw(path, "exact", REG_SZ, "abcdefg", 8);
    SetRaw(path, "short", REG_SZ, "abc", 3);
    SetRaw(path, "long", REG_SZ, "abcdefghijklmnop", 17);
    SetRaw(path, "expand", REG_EXPAND_SZ, "%TEMP%", 7);
    SetRaw(path, "multiOne", REG_MULTI_SZ, "ab\0cd", 6);
    SetRaw(path, "multiNone", REG_MULTI_SZ, "ab\0cd", 5);

    RegistryKey key(kProduct);
    ASSERT_TRUE(key.Open(CurrentUser, kScratch, true));
    struct Case {
        const char* name;
        bool succeeds;
        const char* text;
    } cases[] = {
        {"exact", true, "abcdefg"},     // fills the 8 bytes with its terminator
        {"short", true, "abc"},         // stored without a terminator
        {"unterminated", false, ""},    // 8 characters leave no room for one
        {"long", false, ""},            // larger than the buffer
        {"expand", false, "%TEMP%"},    // another type lands, terminated, but fails
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[8 + 4];
        MemFill(buffer, 'S', sizeof buffer);
        EXPECT_EQ(c.succeeds, key.ReadString(c.name, buffer, 8));
        EXPECT_STREQ(c.text, buffer);
        EXPECT_EQ(0, MemCompare(buffer + 8, "SSSS", 4)) << "wrote past the capacity";
    }

    for (const char* name : {"multiOne", "multiNone"}) {
        SCOPED_TRACE(name);
        char buffer[8 + 4];
        MemFill(buffer, 'S', sizeof buffer);
        unsigned long size = 8;
        EXPECT_TRUE(key.ReadMultiString(name, buffer, &size));
        EXPECT_EQ(0, MemCompare("ab\0cd\0\0", buffer, 7));
        EXPECT_EQ(0, MemCompare(buffer + 8, "SSSS", 4));
    }
    char tight[6];
    unsigned long size = sizeof tight;
    EXPECT_FALSE(key.ReadMultiString("multiOne", tight, &size)) << "no room for the second terminator";
}

TEST_F(RegistryKeyTest, DeleteKeyFollowsTheSystemsRuleForSubkeys)
{
    RegistryKey key(kProduct);
    ASSERT_TRUE(key.Open(CurrentUser, "Software\\AuctionTorvinTests\\Tree\\Leaf", false));
    EXPECT_TRUE(key.IsOpen());
    bool deleted = key.DeleteKey(CurrentUser, "Software\\AuctionTorvinTests\\Tree");
    EXPECT_FALSE(key.IsOpen()) << "DeleteKey closes the open key";
    if (IsWindows9x()) {
        EXPECT_TRUE(deleted) << "Windows 9x deletes the whole subtree";
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\AuctionTorvinTests\\Tree"));
    } else {
        EXPECT_FALSE(deleted) << "NT refuses a key with subkeys";
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\AuctionTorvinTests\\Tree\\Leaf"));
        EXPECT_TRUE(key.DeleteKey(CurrentUser, "Software\\AuctionTorvinTests\\Tree\\Leaf"));
        EXPECT_TRUE(key.DeleteKey(CurrentUser, "Software\\AuctionTorvinTests\\Tree"));
    }
    EXPECT_FALSE(key.DeleteKey(CurrentUser, "Software\\AuctionTorvinTests\\Tree")) << "already gone";
}

TEST_F(RegistryKeyTest, RefusedNamesNeverTouchTheRegistry)
{
    // A root key with one value, which a deletion of "" under Windows 9x
    // emulation would take with it.
    SetRaw(kScratch, "canary", REG_SZ, "1", 2);

    RegistryKey key(kProduct);
    EXPECT_FALSE(key.DeleteKey(CurrentUser, ""));
    EXPECT_FALSE(key.DeleteKey(CurrentUser, nullptr));
    EXPECT_FALSE(key.DeleteKey(static_cast<RegLocation>(9), kScratch));
    EXPECT_FALSE(key.Open(static_cast<RegLocation>(9), kScratch, false));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kScratch));

    // A product subkey over 511 characters makes the object refuse everything.
    std::string longSubkey(512, 'p');
    RegistryKey tooLong(longSubkey.c_str());
    EXPECT_FALSE(tooLong.Open(ProductKey, nullptr, false));
    EXPECT_FALSE(tooLong.Open(CurrentUser, kScratch, false));
    EXPECT_FALSE(tooLong.DeleteKey(CurrentUser, kScratch));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kScratch));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kSuite) + "\\" + std::string(511, 'p')));
}

TEST(ResolveLocation, WritesNothingIntoABufferWithoutRoom)
{
    HKEY root = HKEY_CURRENT_USER;
    char path[1] = {'s'};
    EXPECT_FALSE(ResolveLocation(CurrentUser, "Auction", "Software\\X", &root, path, 0));
    EXPECT_EQ(nullptr, root);
    EXPECT_EQ('s', path[0]);
}
