#pragma once
// An Installer built as the setup program builds it (the built-in table with
// the catalogue's product texts), with an install directory of the test's.
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"

#include <string>
#include <windows.h>

class TestInstaller {
public:
    explicit TestInstaller(const std::string& installDir = std::string())
    {
        FillMessageCatalog();
        ProductEntry table[kBuiltInProductCount];
        PrepareBuiltInProductTable(table);
        installer = new Installer(table[0].displayName, table[0].baseName, table, kBuiltInProductCount, 0, 0);
        if (!installDir.empty())
            SetInstallDir(*installer, 0, installDir.c_str());
    }
    ~TestInstaller()
    {
        delete installer;
        ReleaseMessageCatalog();
    }
    TestInstaller(const TestInstaller&) = delete;
    TestInstaller& operator=(const TestInstaller&) = delete;

    Installer& operator*() { return *installer; }
    Installer* operator->() { return installer; }

    std::string Program() const { return Dir() + "AuctionTorvin.exe"; }
    std::string Uninstaller() const { return installer->products[0].uninstallerPath; }
    std::string SharedComponent() const { return installer->sharedComponentPath; }

private:
    std::string Dir() const
    {
        std::string dir = installer->products[0].installDir ? installer->products[0].installDir : "";
        return dir.empty() || dir.back() == '\\' ? dir : dir + "\\";
    }
    Installer* installer;
};

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
