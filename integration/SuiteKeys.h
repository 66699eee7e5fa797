#pragma once
// Keys and names that registration writes and removal deletes again.

#define FIND_MENU_CLSID "{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}"

const char kFindMenuClassKey[] = "CLSID\\" FIND_MENU_CLSID;
const char kFindMenuServerKey[] = "CLSID\\" FIND_MENU_CLSID "\\InProcServer32";
const char kFindMenuClassId[] = FIND_MENU_CLSID;
const char kFindMenuDescription[] = "NetTorvin Find Menu Extension";
const char kFindMenuApproval[] = "NetTorvin";
const char kSuiteFindExtensionsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\FindExtensions\\Torvins";
const char kApprovedExtensionsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kMachineSuiteVersionKey[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\";
const char kSuiteKey[] = "Software\\VididiDuvo\\NetTorvin";
const char kMakerKey[] = "Software\\VididiDuvo";

// "PARENT\NAME" in a buffer of capacity bytes; false (and "") when it does not fit.
bool KeyPathJoin(char* path, unsigned long capacity, const char* parent, const char* name);
