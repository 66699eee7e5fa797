#include "core/Installer.h"

#include "util/Memory.h"
#include "util/Path.h"
#include "util/Text.h"

static Installer* currentInstaller;

// A system directory joined with a name, as a heap text; "" when the joined
// path would not fit a path buffer.
static char* DirectoryJoined(UINT(WINAPI* query)(LPSTR, UINT), const char* name)
{
    char path[kPathCapacity];
    UINT length = query(path, sizeof path);
    if (length == 0 || length >= sizeof path || !JoinPath(path, sizeof path, name))
        path[0] = 0;
    return StrDup(path);
}

Installer::Installer(const char* productNameIn, const char* folderNameIn, const ProductEntry* table,
                     unsigned long count, COLORREF base, COLORREF light)
{
    currentInstaller = this;
    sharedComponentPath = DirectoryJoined(GetSystemDirectoryA, "NetTorvin.dll");
    productCount = count;
    products = static_cast<ProductEntry*>(MemAlloc(count * sizeof(ProductEntry)));
    selected = static_cast<unsigned char*>(MemAlloc(count));
    for (unsigned long i = 0; i < count; ++i) {
        ProductEntry source = table[i];
        for (unsigned long slot = 0; slot < kProductSlotCount; ++slot) {
            const char* text = ProductSlot(source, slot);
            ProductSlot(products[i], slot) = text && *text ? StrDup(text) : nullptr;
        }
        MemFree(const_cast<char*>(products[i].uninstallerPath));
        products[i].uninstallerPath = DirectoryJoined(GetWindowsDirectoryA, table[i].uninstallerPath);
        MemFree(const_cast<char*>(products[i].installDir));
        products[i].installDir = nullptr;
        selected[i] = 1;
    }
    productName = StrDup(productNameIn);
    folderName = StrDup(folderNameIn);
    backdropWindow = nullptr;
    backdropImage = nullptr;
    baseColour = base;
    lightColour = light;
    errorText[0] = 0;
}

Installer::~Installer()
{
    MemFree(sharedComponentPath);
    for (unsigned long i = 0; i < productCount; ++i)
        for (unsigned long slot = 0; slot < kProductSlotCount; ++slot)
            MemFree(const_cast<char*>(ProductSlot(products[i], slot)));
    MemFree(products);
    MemFree(selected);
    MemFree(productName);
    MemFree(folderName);
    if (currentInstaller == this)
        currentInstaller = nullptr;
}

Installer* CurrentInstaller()
{
    return currentInstaller;
}

static const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

const char* GetProductName()
{
    return currentInstaller ? OrEmpty(currentInstaller->productName) : "";
}

const char* GetFolderName()
{
    return currentInstaller ? OrEmpty(currentInstaller->folderName) : "";
}

const char* GetDisplayName(unsigned long index)
{
    return currentInstaller ? OrEmpty(currentInstaller->products[index].displayName) : "";
}

const char* GetProductSubkey(unsigned long index)
{
    return currentInstaller ? OrEmpty(currentInstaller->products[index].subkey) : "";
}

const char* GetBaseName(unsigned long index)
{
    return currentInstaller ? OrEmpty(currentInstaller->products[index].baseName) : "";
}

const char* ProductFilePath(Installer& installer, unsigned long index, const char* fileName)
{
    static char result[kPathCapacity];
    if (!StrCopyBounded(result, sizeof result, OrEmpty(installer.products[index].installDir))
        || !JoinPath(result, sizeof result, fileName))
        result[0] = 0;
    return result;
}

bool SetInstallDir(Installer& installer, unsigned long index, const char* path)
{
    if (StrLength(path) + 1 > kPathCapacity)
        return false;
    char* buffer = static_cast<char*>(MemAlloc(kPathCapacity));
    StrCopyBounded(buffer, kPathCapacity, path);
    MemFree(const_cast<char*>(installer.products[index].installDir));
    installer.products[index].installDir = buffer;
    return true;
}
