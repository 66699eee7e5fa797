// The uninstaller's first and last instructions; no C runtime runs before
// or after.
#include "core/MessageCatalog.h"
#include "util/SystemLibrary.h"
#include "uninstaller/Uninstall.h"
#include "uninstaller/UninstallTexts.h"

#include <windows.h>

extern "C" void __stdcall EntryPoint()
{
    RestrictDllSearchToSystem();
    FillMessageCatalog();
    FillUninstallTexts();
    UninstallResult result = RunUninstaller(GetCommandLineA());
    ReleaseUninstallTexts();
    ReleaseMessageCatalog();
    ExitProcess(static_cast<UINT>(result));
}
