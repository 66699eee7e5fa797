#include "payload/FileInstaller.h"

#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "payload/PayloadExtractor.h"
#include "resources/ResourceIds.h"
#include "util/Format.h"
#include "util/Path.h"
#include "util/Text.h"

#include <windows.h>

namespace {

const unsigned long kStatusCapacity = 1024;

void Advance(InstallProgress* progress, const char* statusArgument)
{
    if (!progress)
        return;
    char status[kStatusCapacity];
    FormatTextInto(status, sizeof status, textUncompressingStatus, statusArgument);
    progress->AdvanceWithStatus(status);
}

// A shared component that is already there stays, whatever its version.
bool SharedComponentPresent(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

unsigned short ProductResource(unsigned long index, unsigned long offset)
{
    return static_cast<unsigned short>(IDR_PRODUCT_BASE + IDR_PRODUCT_STRIDE * index + offset);
}

bool Fail(Installer& installer, const char* format, const char* a1, const char* a2 = nullptr)
{
    FormatTextInto(installer.errorText, sizeof installer.errorText, format, a1, a2);
    return false;
}

// One file of the install directory; its destination is copied out of the
// shared ProductFilePath buffer before anything else can overwrite it.
bool ExtractIntoInstallDir(Installer& installer, unsigned long index, const char* fileName, unsigned long offset)
{
    char destination[kPathCapacity];
    if (!StrCopyBounded(destination, sizeof destination, ProductFilePath(installer, index, fileName)) || !*destination)
        return false;
    PayloadExtractor extractor;
    return extractor.ExtractPayload(ProductResource(index, offset), destination);
}

bool InstallProduct(Installer& installer, unsigned long index, InstallProgress* progress)
{
    const ProductEntry& product = installer.products[index];
    if (!CreateDirectoryChain(product.installDir ? product.installDir : ""))
        return Fail(installer, textUnableToCreateDirectory, nullptr);
    PayloadExtractor extractor;

    Advance(progress, "NetTorvin.dll");
    if (!SharedComponentPresent(installer.sharedComponentPath)
        && !extractor.ExtractPayload(IDR_SHARED_COMPONENT, installer.sharedComponentPath))
        return Fail(installer, textUnableToCopy, "NetTorvin.dll");

    Advance(progress, product.programFile);
    if (!ExtractIntoInstallDir(installer, index, product.programFile, IDR_PRODUCT_PROGRAM_OFFSET))
        return Fail(installer, textUnableToCopyProgram, product.programFile, product.displayName);

    const struct {
        const char* fileName;
        unsigned long offset;
    } helpFiles[] = {
        {product.helpFile, IDR_PRODUCT_HELP_OFFSET},
        {product.helpContentsFile, IDR_PRODUCT_HELP_CONTENTS_OFFSET},
    };
    for (const auto& file : helpFiles) {
        Advance(progress, file.fileName);
        if (!ExtractIntoInstallDir(installer, index, file.fileName, file.offset))
            return Fail(installer, textUnableToCopy, file.fileName);
    }

    Advance(progress, "uninstall");
    if (!extractor.ExtractPayload(ProductResource(index, IDR_PRODUCT_UNINSTALLER_OFFSET), product.uninstallerPath))
        return Fail(installer, textUnableToCopy, product.uninstallerPath);
    return true;
}

} // namespace

bool InstallProductFiles(Installer& installer, InstallProgress* progress)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i] && !InstallProduct(installer, i, progress))
            return false;
    }
    return true;
}
