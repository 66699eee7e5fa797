#include "payload/RestartQueue.h"

#include "core/Installer.h"
#include "integration/RegistryKey.h"
#include "payload/RestartQueueText.h"
#include "util/Memory.h"
#include "util/Path.h"
#include "util/SystemVersion.h"
#include "util/Text.h"

#include <windows.h>

namespace {

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kFileRenameOperations[] = "System\\CurrentControlSet\\Control\\Session Manager\\FileRenameOperations";
const char kPendingRenames[] = "PendingFileRenameOperations";
const unsigned long kWindowsDirectoryCapacity = 1024;
const unsigned long kValueNameCapacity = 1024;

// The platform resolves a bare "wininit.ini" in the Windows directory.
bool WininitPath(char* path, unsigned long capacity)
{
    UINT length = GetWindowsDirectoryA(path, capacity);
    return length != 0 && length < capacity && JoinPath(path, capacity, "wininit.ini");
}

// The whole file as one heap block (null when empty or unreadable).
char* ReadWholeFile(HANDLE file, unsigned long* size)
{
    DWORD length = GetFileSize(file, nullptr);
    if (length == INVALID_FILE_SIZE || length == 0)
        return nullptr;
    char* text = static_cast<char*>(MemAlloc(length));
    DWORD read = 0;
    if (!ReadFile(file, text, length, &read, nullptr) || read != length) {
        MemFree(text);
        return nullptr;
    }
    *size = length;
    return text;
}

void WriteWholeFile(HANDLE file, const char* text, unsigned long size)
{
    DWORD written = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0)
        WriteFile(file, text, size, &written, nullptr);
}

// Opens wininit.ini without sharing, hands its text to change, and writes
// it back when change reports a difference.
void RewriteWininit(DWORD disposition, bool (*change)(char* text, unsigned long size, void* context), void* context)
{
    char path[kWindowsDirectoryCapacity];
    if (!WininitPath(path, sizeof path))
        return;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    unsigned long size = 0;
    char* text = ReadWholeFile(file, &size);
    if (text && change(text, size, context))
        WriteWholeFile(file, text, size);
    MemFree(text);
    CloseHandle(file);
}

bool RewriteKeys(char* text, unsigned long size, void*)
{
    RewriteQueueKeys(text, size);
    return true;
}

bool IsOursByShortForm(const char* path, void* installer)
{
    return IsRestartDeletedFile(*static_cast<Installer*>(installer), path, true);
}

bool IsOursByFullPath(const char* path, void* installer)
{
    return IsRestartDeletedFile(*static_cast<Installer*>(installer), path, false);
}

bool BlankOurLines(char* text, unsigned long size, void* installer)
{
    return BlankDeletionLines(text, size, IsOursByShortForm, installer);
}

void CancelInFileRenameOperations(Installer& installer, RegistryKey& key)
{
    if (!key.Open(LocalMachine, kFileRenameOperations, false))
        return;
    char name[kValueNameCapacity];
    // Every real deletion removes one of the values there were; a name that
    // reads back differently from how it is stored (characters outside the
    // code page) "deletes" as missing and must not restart the walk for ever.
    unsigned long restarts = 0;
    while (key.EnumValueName(restarts, name, sizeof name))
        ++restarts;
    unsigned long index = 0;
    while (key.EnumValueName(index, name, sizeof name)) {
        if (restarts > 0 && IsRestartDeletedFile(installer, name, false) && key.DeleteValue(name)) {
            --restarts;
            index = 0;
        } else {
            ++index;
        }
    }
}

// The whole list is read, however long: a deletion of ours left in a part
// that was not read would remove the freshly installed file at restart.
void CancelInPendingRenames(Installer& installer, RegistryKey& key)
{
    unsigned long stored = 0;
    if (!key.Open(LocalMachine, kSessionManager, false) || !key.ValueSize(kPendingRenames, &stored))
        return;
    unsigned long size = stored + 2; // room for terminators the stored list may lack
    char* list = static_cast<char*>(MemAlloc(size));
    if (key.ReadMultiString(kPendingRenames, list, &size) && RemovePendingPairs(list, &size, IsOursByFullPath, &installer))
        key.WriteMultiString(kPendingRenames, list, size);
    MemFree(list);
}

} // namespace

bool QueueDeleteAtRestart(const char* path, const char* key)
{
    if (!IsWindows9x()) {
        MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
        return false;
    }
    char shortPath[kPathCapacity];
    DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        return false;
    return WritePrivateProfileStringA("Rename", key, shortPath, "wininit.ini") != FALSE;
}

void CommitRestartQueue()
{
    // The profile writer may still hold the lines in its cache.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "wininit.ini");
    RewriteWininit(OPEN_ALWAYS, RewriteKeys, nullptr);
}

void CancelRestartDeletions(Installer& installer)
{
    if (IsWindows9x()) {
        RewriteWininit(OPEN_EXISTING, BlankOurLines, &installer);
        return;
    }
    RegistryKey key(GetProductSubkey(0));
    CancelInFileRenameOperations(installer, key);
    CancelInPendingRenames(installer, key);
}

namespace {

bool NamesFile(const char* text, const char* path, bool shortForm)
{
    if (!path || !*path)
        return false;
    if (!shortForm)
        return StrFindText(text, path) != nullptr;
    char shortPath[kPathCapacity];
    DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath)
        return false;
    return StrLength(text) >= length && MemCompare(text, shortPath, length) == 0;
}

} // namespace

bool IsRestartDeletedFile(Installer& installer, const char* text, bool shortForm)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i] && NamesFile(text, installer.products[i].uninstallerPath, shortForm))
            return true;
    }
    return NamesFile(text, installer.sharedComponentPath, shortForm);
}
