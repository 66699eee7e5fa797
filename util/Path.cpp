#include "util/Path.h"

#include "util/Text.h"

#include <windows.h>

bool JoinPath(char* directory, unsigned long capacity, const char* name)
{
    unsigned long length = StrLength(directory);
    bool needsSeparator = length == 0 || directory[length - 1] != '\\';
    unsigned long total = length + (needsSeparator ? 1 : 0) + StrLength(name) + 1;
    if (total > capacity)
        return false;
    if (needsSeparator)
        directory[length++] = '\\';
    StrCopyBounded(directory + length, capacity - length, name);
    return true;
}

bool CopyDirectoryPath(char* buffer, unsigned long capacity, const char* path)
{
    if (!StrCopyBounded(buffer, capacity, path))
        return false;
    unsigned long length = StrLength(buffer);
    if ((length == 0 || buffer[length - 1] != '\\') && !StrAppendBounded(buffer, capacity, "\\")) {
        buffer[0] = 0;
        return false;
    }
    return true;
}

char* FirstCreatableComponent(char* path)
{
    if (path[0] == '\\' && path[1] == '\\') {
        // The closing "\" added to "\\server" must not pass for a share.
        char* afterServer = StrFindChar(path + 2, '\\');
        return afterServer && afterServer[1] ? afterServer + 1 : nullptr;
    }
    if (IsCharAlphaA(path[0]) && path[1] == ':' && path[2] == '\\')
        return path + 3;
    return nullptr;
}

bool CreateDirectoryChain(const char* path)
{
    char buffer[kPathCapacity];
    if (!CopyDirectoryPath(buffer, sizeof buffer, path))
        return false;
    char* position = FirstCreatableComponent(buffer);
    if (!position)
        return false;
    // A network path's share cannot be created; CreateDirectoryA reports it
    // as existing or denied, and only the former lets the chain go on.
    for (char* separator = StrFindChar(position, '\\'); separator; separator = StrFindChar(position, '\\')) {
        *separator = 0;
        if (!CreateDirectoryA(buffer, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        *separator = '\\';
        position = separator + 1;
    }
    return true;
}

bool GetPrivateTempPath(char* buffer, unsigned long length)
{
    DWORD written = GetTempPathA(length, buffer);
    // A result of length or more is the size the system needed: the buffer holds nothing useful.
    if (written == 0 || written >= length)
        return false;
    return JoinPath(buffer, length, "vidididuvo");
}

void DeleteFilesMatching(const char* directory, const char* pattern)
{
    char search[kPathCapacity];
    if (!StrCopyBounded(search, sizeof search, directory) || !JoinPath(search, sizeof search, pattern))
        return;
    WIN32_FIND_DATAA entry;
    HANDLE finder = FindFirstFileA(search, &entry);
    if (finder == INVALID_HANDLE_VALUE)
        return;
    do {
        char file[kPathCapacity];
        // "." and "..", and subdirectories, are simply not deleted.
        if (StrCopyBounded(file, sizeof file, directory) && JoinPath(file, sizeof file, entry.cFileName))
            DeleteFileA(file);
    } while (FindNextFileA(finder, &entry));
    FindClose(finder);
}

namespace {

// The length without one trailing "\", unless that one ends a drive root.
unsigned long DirectoryLength(const char* path)
{
    unsigned long length = StrLength(path);
    if (length > 1 && path[length - 1] == '\\' && path[length - 2] != ':')
        --length;
    return length;
}

} // namespace

bool SameDirectory(const char* a, const char* b)
{
    unsigned long length = DirectoryLength(a);
    if (length == 0 || length != DirectoryLength(b))
        return false;
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a, static_cast<int>(length), b,
                          static_cast<int>(length)) == CSTR_EQUAL;
}
