#include "payload/Rollback.h"

#include "core/Installer.h"
#include "integration/FileType.h"
#include "integration/ProductRegistration.h"
#include "integration/RegistryKey.h"
#include "integration/Shortcuts.h"
#include "integration/SuiteKeys.h"
#include "payload/RestartQueue.h"
#include "util/Path.h"
#include "util/SystemVersion.h"
#include "util/Text.h"

#include <windows.h>

namespace {

const unsigned long kSearchPageCapacity = 1024;
const char kBrowserMainKey[] = "Software\\Microsoft\\Internet Explorer\\Main";

// No suite product is left registered in the shell's find-menu list.
bool SuiteIsGone()
{
    RegistryKey key(GetProductSubkey(0));
    return !key.Open(LocalMachine, kSuiteFindExtensionsKey, true) || !key.HasSubkeys();
}

bool SubkeyIs(const ProductEntry& product, const char* name)
{
    return product.subkey && lstrcmpiA(product.subkey, name) == 0;
}

void RemoveSuiteRegistration(RegistryKey& key)
{
    const RegLocation suiteKeys[] = {SuiteBrowser, SuiteMailer, SuiteUpdates, SuiteRoot};
    for (RegLocation location : suiteKeys)
        key.DeleteKey(location, nullptr);
    key.DeleteKey(CurrentUser, kSuiteKey);
    // The maker's key may hold other programs of theirs.
    if (key.Open(CurrentUser, kMakerKey, true) && !key.HasSubkeys())
        key.DeleteKey(CurrentUser, kMakerKey);
    key.DeleteKey(LocalMachine, kSuiteFindExtensionsKey);
    key.DeleteKey(ClassesRoot, kFindMenuServerKey);
    key.DeleteKey(ClassesRoot, kFindMenuClassKey);
    if (!IsWindows9x()) {
        RegistryKey approved(GetProductSubkey(0));
        if (approved.Open(LocalMachine, kApprovedExtensionsKey, false))
            approved.DeleteValue(kFindMenuClassId);
    }
}

// The browser's start-search page, when it is one of ours.
void ClearWebSearchPage()
{
    RegistryKey key(GetProductSubkey(0));
    char page[kSearchPageCapacity];
    if (!key.Open(CurrentUser, kBrowserMainKey, false) || !key.ReadString("Search Page", page, sizeof page))
        return;
    CharUpperBuffA(page, StrLength(page));
    if (StrFindText(page, ".WEBTORVINSEARCH"))
        key.WriteString("Search Page", "");
}

void DeleteUnder(RegistryKey& key, const char* parent, const char* name)
{
    char path[kRegistryPathCapacity];
    if (KeyPathJoin(path, sizeof path, parent, name))
        key.DeleteKey(LocalMachine, path);
}

void RemoveProductRegistration(Installer& installer, unsigned long index, bool* suiteDone)
{
    const ProductEntry& product = installer.products[index];
    RemoveMachineProductKey(product.subkey);
    RegistryKey key(product.subkey);
    key.DeleteKey(ProductKey, nullptr);
    DeleteUnder(key, kUninstallKey, product.baseName);
    DeleteUnder(key, kSuiteFindExtensionsKey, product.baseName);
    if (!*suiteDone && SuiteIsGone()) {
        RemoveSuiteRegistration(key);
        *suiteDone = true;
    }
    char typeName[kPathCapacity];
    if (StrCopyBounded(typeName, sizeof typeName, product.baseName)
        && StrAppendBounded(typeName, sizeof typeName, "Search"))
        UnregisterFileType(typeName);
    NotifyAssociationsChanged();
    if (SubkeyIs(product, "Web"))
        ClearWebSearchPage();
}

void DeleteProductFile(Installer& installer, unsigned long index, const char* fileName)
{
    if (!fileName || !*fileName)
        return;
    const char* path = ProductFilePath(installer, index, fileName);
    if (*path)
        DeleteFileA(path);
}

void RemoveProductExtras(const ProductEntry& product)
{
    if (!product.installDir)
        return;
    if (SubkeyIs(product, "News"))
        DeleteFilesMatching(product.installDir, "*.servercache");
    char path[kPathCapacity];
    if (SubkeyIs(product, "Web") && StrCopyBounded(path, sizeof path, product.installDir)
        && JoinPath(path, sizeof path, "Start.WebTorvinSearch"))
        DeleteFileA(path);
}

// The install directory and each parent that is left empty, up to the first
// that will not go (one that holds other files, or a drive root).
void RemoveDirectoryChain(const char* installDir)
{
    char path[kPathCapacity];
    if (!installDir || !StrCopyBounded(path, sizeof path, installDir))
        return;
    unsigned long length = StrLength(path);
    if (length > 0 && path[length - 1] == '\\')
        path[length - 1] = 0;
    while (path[0] && RemoveDirectoryA(path)) {
        char* separator = StrFindLastChar(path, '\\');
        if (!separator)
            break;
        *separator = 0;
    }
}

// The suite's temporary files, and its shared component (queued for the
// next restart when it is in use). True when a wininit.ini line was added.
bool RemoveSuiteFiles(Installer& installer)
{
    char path[kPathCapacity];
    if (GetPrivateTempPath(path, sizeof path)) {
        DeleteFilesMatching(path, "*.*");
        RemoveDirectoryA(path);
    }
    DWORD length = GetTempPathA(sizeof path, path);
    if (length != 0 && length < sizeof path)
        DeleteFilesMatching(path, "*.qxa");
    if (DeleteFileA(installer.sharedComponentPath))
        return false;
    return QueueDeleteAtRestart(installer.sharedComponentPath, "QX1");
}

bool RemoveProductFiles(Installer& installer, unsigned long index, bool* suiteDone)
{
    const ProductEntry& product = installer.products[index];
    const char* files[] = {product.programFile, product.helpFile, product.helpContentsFile, product.helpIndexFile};
    for (const char* file : files)
        DeleteProductFile(installer, index, file);
    RemoveProductExtras(product);
    RemoveDirectoryChain(product.installDir);
    bool queued = false;
    if (!*suiteDone && SuiteIsGone()) {
        queued = RemoveSuiteFiles(installer);
        *suiteDone = true;
    }
    // The uninstaller may be running (it is the one removing us): always
    // left to the restart, never deleted at once.
    char key[16];
    wsprintfA(key, "QX%x", static_cast<unsigned int>(index + 2));
    if (QueueDeleteAtRestart(product.uninstallerPath, key))
        queued = true;
    return queued;
}

} // namespace

void RemoveRegistration(Installer& installer)
{
    bool suiteDone = false;
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i])
            RemoveProductRegistration(installer, i, &suiteDone);
    }
    NotifyTaskbar();
}

void RemoveFiles(Installer& installer)
{
    bool suiteDone = false;
    bool queued = false;
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i] && RemoveProductFiles(installer, i, &suiteDone))
            queued = true;
    }
    if (IsWindows9x() && queued)
        CommitRestartQueue();
}
