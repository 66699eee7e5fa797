#include "integration/Shortcuts.h"

#include "core/Installer.h"
#include "util/Path.h"
#include "util/Text.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

const WPARAM kTaskbarRefreshCommand = 0x1A065;

bool IsFullPath(const char* path)
{
    return (path[0] && path[1] == ':' && path[2] == '\\') || (path[0] == '\\' && path[1] == '\\');
}

// The desktop as a file-system path; false when the shell cannot say.
bool DesktopFolder(HWND owner, char* path)
{
    path[0] = 0;
    LPITEMIDLIST items = nullptr;
    bool found = SUCCEEDED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &items)) && items
        && SHGetPathFromIDListA(items, path);
    if (items)
        CoTaskMemFree(items);
    // Only a full path will do: a relative one would land wherever setup runs.
    return found && IsFullPath(path);
}

HRESULT SaveLink(IShellLinkA* link, const char* target, const char* shortcutPath, const char* description)
{
    IPersistFile* file = nullptr;
    HRESULT result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result))
        return result;
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, MAX_PATH)) {
        file->Release();
        return E_FAIL;
    }
    link->SetPath(target);
    link->SetDescription(description);
    result = file->Save(widePath, TRUE);
    file->Release();
    return result;
}

} // namespace

bool CreateShellLink(const char* target, const char* shortcutPath, const char* description)
{
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = SaveLink(link, target, shortcutPath, description);
        link->Release();
    }
    CoUninitialize();
    return SUCCEEDED(result);
}

namespace {

// "<desktop>\<displayName>.LNK" of product i; false when it cannot be named.
bool DesktopShortcutPath(Installer& installer, unsigned long index, char* shortcut)
{
    const ProductEntry& product = installer.products[index];
    return DesktopFolder(installer.backdropWindow, shortcut) && JoinPath(shortcut, kPathCapacity, product.displayName)
        && StrAppendBounded(shortcut, kPathCapacity, ".LNK");
}

// The target a saved shell link points at; false when it cannot be read.
bool ReadShellLinkTarget(const char* shortcutPath, char* target)
{
    target[0] = 0;
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, MAX_PATH))
        return false;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result))
        result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result))
        result = file->Load(widePath, STGM_READ);
    // No resolving: the link is judged by what it names, not by what exists.
    if (SUCCEEDED(result))
        result = link->GetPath(target, kPathCapacity, nullptr, SLGP_RAWPATH);
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return result == S_OK && target[0];
}

} // namespace

void CreateDesktopShortcuts(Installer& installer)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (!installer.selected[i])
            continue;
        const ProductEntry& product = installer.products[i];
        char shortcut[kPathCapacity];
        char target[kPathCapacity];
        if (!DesktopShortcutPath(installer, i, shortcut)
            || !StrCopyBounded(target, sizeof target, ProductFilePath(installer, i, product.programFile)))
            continue;
        CreateShellLink(target, shortcut, product.displayName);
    }
}

void RemoveDesktopShortcuts(Installer& installer)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        const ProductEntry& product = installer.products[i];
        char shortcut[kPathCapacity];
        char target[kPathCapacity];
        if (!installer.selected[i] || !product.installDir || !DesktopShortcutPath(installer, i, shortcut)
            || !ReadShellLinkTarget(shortcut, target))
            continue;
        char* separator = StrFindLastChar(target, '\\');
        if (!separator)
            continue;
        *separator = 0;
        if (SameDirectory(target, product.installDir))
            DeleteFileA(shortcut);
    }
}

void NotifyTaskbar()
{
    HWND taskbar = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr);
    if (!taskbar)
        return;
    // A plain send would wait for ever on a hung taskbar (and Wine's opens
    // its Start menu and answers only when the menu closes).
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(taskbar, WM_COMMAND, kTaskbarRefreshCommand, 0, SMTO_ABORTIFHUNG, kTaskbarTimeoutMs, &answer);
}
