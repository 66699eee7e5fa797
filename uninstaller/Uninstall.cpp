#include "uninstaller/Uninstall.h"

#include "core/Installer.h"
#include "core/ProductTable.h"
#include "integration/RegistryKey.h"
#include "integration/Shortcuts.h"
#include "integration/SuiteKeys.h"
#include "payload/Rollback.h"
#include "uninstaller/UninstallTexts.h"
#include "util/CommandLine.h"
#include "util/Format.h"
#include "util/Path.h"

#include <windows.h>

namespace {

const unsigned long kMessageCapacity = 1024;
const unsigned long kCommandCapacity = 1024;

int Say(Installer& installer, const char* format, UINT style)
{
    char message[kMessageCapacity];
    FormatTextInto(message, sizeof message, format, installer.productName);
    return MessageBoxA(nullptr, message, installer.productName, style);
}

UninstallResult Refuse(Installer& installer, const char* format)
{
    Say(installer, format, MB_OK | MB_ICONHAND);
    return UninstallRefused;
}

// The directory that product 0's uninstall entry records: its command line
// read the way the uninstaller reads its own. False when there is no entry.
bool RecordedInstallDir(char* directory)
{
    RegistryKey key(GetProductSubkey(0));
    char path[kRegistryPathCapacity];
    char command[kCommandCapacity];
    return KeyPathJoin(path, sizeof path, kUninstallKey, GetBaseName(0)) && key.Open(LocalMachine, path, true)
        && key.ReadString("UninstallString", command, sizeof command)
        && TakeWholeArgument(SkipProgramName(command), directory, kPathCapacity);
}

} // namespace

UninstallResult RunUninstaller(const char* commandLine)
{
    ProductEntry table[kBuiltInProductCount];
    PrepareBuiltInProductTable(table);
    Installer installer(table[0].displayName, table[0].baseName, table, kBuiltInProductCount, 0, 0);

    const char* arguments = SkipProgramName(commandLine);
    if (!*arguments)
        return Refuse(installer, textUninstallNeedsFolder);
    char recorded[kPathCapacity];
    if (!RecordedInstallDir(recorded))
        return Refuse(installer, textUninstallNotInstalled);
    char given[kPathCapacity];
    if (!TakeWholeArgument(arguments, given, sizeof given) || !SameDirectory(given, recorded))
        return Refuse(installer, textUninstallWrongFolder);

    if (Say(installer, textUninstallQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return UninstallDeclined;
    // What the entry records is removed, never the spelling on the command line.
    SetInstallDir(installer, 0, recorded);
    RemoveDesktopShortcuts(installer);
    // The rollback's own removal: both always agree on what an installation is.
    // It also queues this program's deletion for the next restart.
    RemoveRegistration(installer);
    RemoveFiles(installer);
    Say(installer, textUninstallDone, MB_OK | MB_ICONASTERISK);
    return UninstallRemoved;
}
