// The install engine without any window of its own, driven from the command
// line, so that scenarios can install and undo in a real prefix and then
// restart it:
//   engine_driver install DIR [desktop]   files, registrations, shortcut,
//                                         taskbar command, cancelled restart deletions
//   engine_driver remove DIR              the rollback: registrations, then files
// Exit code 0 on success, 1 when the file phase failed, 2 for a bad command line.
#include "core/InstallPhases.h"
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "payload/FileInstaller.h"
#include "payload/Rollback.h"

#include <windows.h>
#include <cstdlib>
#include <cstring>

namespace {

int Install(Installer& installer, bool desktop)
{
    if (!InstallProductFiles(installer, nullptr)) {
        MessageBoxA(nullptr, installer.errorText, "engine_driver", MB_OK | MB_ICONERROR);
        return 1;
    }
    // The setup's own order of the phases that follow the files.
    RegisterInstallation(installer, desktop, nullptr);
    return 0;
}

int Remove(Installer& installer)
{
    RemoveRegistration(installer);
    RemoveFiles(installer);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 3)
        return 2;
    FillMessageCatalog();
    ProductEntry table[kBuiltInProductCount];
    PrepareBuiltInProductTable(table);
    int result = 2;
    {
        Installer installer(table[0].displayName, table[0].baseName, table, kBuiltInProductCount, 0, 0);
        if (SetInstallDir(installer, 0, __argv[2])) {
            if (std::strcmp(__argv[1], "install") == 0)
                result = Install(installer, __argc > 3 && std::strcmp(__argv[3], "desktop") == 0);
            else if (std::strcmp(__argv[1], "remove") == 0)
                result = Remove(installer);
        }
    }
    ReleaseMessageCatalog();
    return result;
}
