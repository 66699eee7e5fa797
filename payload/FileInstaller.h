#pragma once
#include "payload/InstallProgress.h"

class Installer;

// Unpacks every file of every selected product: the shared component into
// the System directory (only when absent), the program, help and help
// contents files into the install directory, the uninstaller into the Windows
// directory. One progress step per file; progress may be null. False at the
// first failure with the installer's error text set; files placed before it
// stay for the rollback to remove.
bool InstallProductFiles(Installer& installer, InstallProgress* progress);
