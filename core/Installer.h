#pragma once
#include "core/ProductEntry.h"

#include <windows.h>

const unsigned long kErrorTextCapacity = 1024;

// Built once per run from the product table; registers itself as the
// CurrentInstaller for its whole life. Not copyable.
class Installer {
public:
    Installer(const char* productName, const char* folderName, const ProductEntry* table,
              unsigned long productCount, COLORREF baseColour, COLORREF lightColour);
    ~Installer();
    Installer(const Installer&) = delete;
    Installer& operator=(const Installer&) = delete;

    char* sharedComponentPath;
    char* productName;
    char* folderName;
    unsigned long productCount;
    ProductEntry* products;
    unsigned char* selected;
    HWND backdropWindow;
    HBITMAP backdropImage;
    COLORREF baseColour;
    COLORREF lightColour;
    char errorText[kErrorTextCapacity];
};

// The live Installer, or null before its construction and after its destruction.
Installer* CurrentInstaller();

// Texts owned by the CurrentInstaller; "" without one or for an empty slot.
// The index must be below productCount.
const char* GetProductName();
const char* GetFolderName();
const char* GetDisplayName(unsigned long index);
const char* GetProductSubkey(unsigned long index);
const char* GetBaseName(unsigned long index);

// Product i's install directory joined with the file name, in one shared
// buffer that every call overwrites: copy the result before the next call.
// A result that would not fit the path buffer gives "".
const char* ProductFilePath(Installer& installer, unsigned long index, const char* fileName);

// Stores product i's install directory; false (and the old one kept) when the
// path does not fit a path buffer.
bool SetInstallDir(Installer& installer, unsigned long index, const char* path);
