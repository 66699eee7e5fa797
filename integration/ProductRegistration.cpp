#include "integration/ProductRegistration.h"

#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "integration/FileType.h"
#include "integration/RegistryKey.h"
#include "integration/SuiteKeys.h"
#include "util/Format.h"
#include "util/Memory.h"
#include "util/Path.h"
#include "util/SystemVersion.h"
#include "util/Text.h"

namespace {

// ProductFilePath's shared buffer followed by a suffix; false when it does not fit.
bool ProgramPathWith(Installer& installer, unsigned long index, const char* suffix, char* buffer,
                     unsigned long capacity)
{
    const char* program = ProductFilePath(installer, index, installer.products[index].programFile);
    return *program && StrCopyBounded(buffer, capacity, program) && StrAppendBounded(buffer, capacity, suffix);
}

void RegisterSearchFileType(Installer& installer, unsigned long index)
{
    const ProductEntry& product = installer.products[index];
    RemoveMachineProductKey(product.subkey);
    char typeName[kPathCapacity];
    char description[kPathCapacity];
    char icon[kPathCapacity + 16];
    char command[kPathCapacity + 16];
    if (StrCopyBounded(typeName, sizeof typeName, product.baseName)
        && StrAppendBounded(typeName, sizeof typeName, "Search")
        && FormatTextInto(description, sizeof description, textSearchFileTypeDescription, product.displayName)
        && ProgramPathWith(installer, index, ",-10000", icon, sizeof icon)
        && ProgramPathWith(installer, index, " /load:%1", command, sizeof command))
        RegisterFileType(typeName, description, icon, command);
    RegistryKey key(product.subkey);
    if (key.Open(ProductKey, nullptr, false))
        key.WriteString("Distributor", "VididiDuvo");
}

void WriteFindExtensionEntry(Installer& installer, unsigned long index, RegistryKey& key)
{
    const ProductEntry& product = installer.products[index];
    char path[kRegistryPathCapacity];
    if (!KeyPathJoin(path, sizeof path, kSuiteFindExtensionsKey, product.baseName)
        || !key.Open(LocalMachine, path, false))
        return;
    key.WriteString("Path", ProductFilePath(installer, index, product.programFile));
    key.WriteString("MenuText", IsVersion5OrLater() ? product.searchMenuText : product.findMenuText);
    key.WriteString("HelpText", product.findMenuHelpText);
}

// "%1" formatted with the text: the text itself, as the shell's readers get it.
void WriteFormatted(RegistryKey& key, const char* name, const char* text)
{
    char* formatted = FormatText("%1", text);
    key.WriteString(name, formatted);
    MemFree(formatted);
}

// Windows 9x deletes a key with all its subkeys: a key that still holds
// anything (another program of the maker, say) is left alone on every system.
bool DeleteMachineKeyIfLeaf(RegistryKey& key, const char* path)
{
    if (key.Open(LocalMachine, path, true) && key.HasSubkeys())
        return false;
    key.DeleteKey(LocalMachine, path);
    return true;
}

} // namespace

void RegisterSearchFileTypes(Installer& installer)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i])
            RegisterSearchFileType(installer, i);
    }
}

void RegisterFindMenuExtension(Installer& installer)
{
    RegistryKey key(GetProductSubkey(0));
    if (!key.Open(ClassesRoot, kFindMenuClassKey, false))
        return;
    WriteFormatted(key, nullptr, kFindMenuDescription);
    if (!key.Open(ClassesRoot, kFindMenuServerKey, false))
        return;
    key.WriteString("ThreadingModel", "Apartment");
    key.WriteString(nullptr, installer.sharedComponentPath);
    if (!key.Open(LocalMachine, kSuiteFindExtensionsKey, false))
        return;
    key.WriteString(nullptr, kFindMenuClassId);
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i])
            WriteFindExtensionEntry(installer, i, key);
    }
    // Windows 9x loads any registered extension; NT only approved ones.
    if (!IsWindows9x()) {
        RegistryKey approved(GetProductSubkey(0));
        if (approved.Open(LocalMachine, kApprovedExtensionsKey, false))
            approved.WriteString(kFindMenuClassId, kFindMenuApproval);
    }
}

void RegisterUninstallEntry(Installer& installer)
{
    RegistryKey key(GetProductSubkey(0));
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (!installer.selected[i])
            continue;
        const ProductEntry& product = installer.products[i];
        char path[kRegistryPathCapacity];
        char command[2 * kPathCapacity];
        if (!KeyPathJoin(path, sizeof path, kUninstallKey, product.baseName) || !key.Open(LocalMachine, path, false))
            continue;
        WriteFormatted(key, "DisplayName", product.displayName);
        // The command line the shell runs: unquoted, as readers of this entry expect.
        if (StrCopyBounded(command, sizeof command, product.uninstallerPath)
            && StrAppendBounded(command, sizeof command, " ")
            && StrAppendBounded(command, sizeof command, product.installDir ? product.installDir : ""))
            key.WriteString("UninstallString", command);
    }
}

void RemoveMachineProductKey(const char* productSubkey)
{
    RegistryKey key(GetProductSubkey(0));
    char path[kRegistryPathCapacity];
    if (StrCopyBounded(path, sizeof path, kMachineSuiteVersionKey)
        && StrAppendBounded(path, sizeof path, productSubkey ? productSubkey : "") && productSubkey && *productSubkey)
        key.DeleteKey(LocalMachine, path);
    if (DeleteMachineKeyIfLeaf(key, kMachineSuiteVersionKey) && DeleteMachineKeyIfLeaf(key, kSuiteKey))
        DeleteMachineKeyIfLeaf(key, kMakerKey);
}
