#pragma once
// The uninstaller's one run. Its command line holds, after the program's
// name, the install directory its uninstall entry records ("UninstallString"
// is the uninstaller's path, a blank and that directory, unquoted; a quoted
// directory is taken as well). Anything else is refused before any change:
// the entry's own directory is the only one it will ever remove.

enum UninstallResult {
    UninstallRemoved = 0,
    UninstallDeclined = 1,
    UninstallRefused = 2,
};

UninstallResult RunUninstaller(const char* commandLine);
