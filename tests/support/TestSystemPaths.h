#pragma once
// Where the installation writes, as the tests look for it: system folders,
// 8.3 forms and the registry keys of the suite and the shell.
#include <string>
#include <windows.h>

inline std::string WindowsFile(const char* name)
{
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    return std::string(path) + "\\" + name;
}

// The 8.3 form of an existing file; "" for a missing one.
inline std::string ShortForm(const std::string& path)
{
    char shortPath[MAX_PATH] = "";
    GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return shortPath;
}

const char kFindMenuClsid[] = "{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}";
const std::string kFindMenuClassKey = std::string("CLSID\\") + kFindMenuClsid;
const char kTorvinsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\FindExtensions\\Torvins";
const char kApprovedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char kUninstallEntryKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\AuctionTorvin";
const char kMakerKey[] = "Software\\VididiDuvo";
const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kFileRenamesKey[] = "System\\CurrentControlSet\\Control\\Session Manager\\FileRenameOperations";
const char kPendingRenames[] = "PendingFileRenameOperations";
