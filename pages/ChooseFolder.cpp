#include "pages/InstallPathCheck.h"

#include "util/Path.h"
#include "util/Text.h"


bool FolderPathFromItem(LPCITEMIDLIST item, char* buffer)
{
    char path[kPathCapacity];
    path[0] = 0;
    if (!SHGetPathFromIDListA(item, path) || path[0] == 0)
        return false;
    return StrCopyBounded(buffer, kPathCapacity, path);
}

bool ChooseFolder(char* buffer, HWND owner)
{
    // The browser's display name goes to a buffer of its own: on Cancel
    // some systems leave garbage in it.
    char displayName[kPathCapacity];
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = displayName;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item)
        return false;
    bool chosen = FolderPathFromItem(item, buffer);
    CoTaskMemFree(item);
    return chosen;
}
