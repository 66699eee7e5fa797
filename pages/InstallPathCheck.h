#pragma once
#include <windows.h>
#include <shlobj.h>

// Whether the product could be installed in path: every missing directory
// along it can be created and a new file made in it. Leaves the disk as it
// found it: the test file and the directories this check made are removed.
// A path that is neither a drive nor a network path fails, and so does one
// too long to hold its closing "\" and the test file's name.
bool ValidateInstallPath(const char* path);

// The folder browser, owned by owner; the picked folder's full path into
// buffer (260 bytes). False, and buffer left alone, on Cancel and for an
// item with no file-system path (such as My Computer).
bool ChooseFolder(char* buffer, HWND owner);
// The file-system path of a browser item into buffer (260 bytes); false and
// buffer unchanged for an item without one.
bool FolderPathFromItem(LPCITEMIDLIST item, char* buffer);
