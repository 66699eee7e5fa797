#include "core/Start.h"

#include "core/Installer.h"
#include "core/InstallerRun.h"
#include "core/MessageCatalog.h"
#include "core/ProductTable.h"
#include "util/SystemDlls.h"

#include <windows.h>

const COLORREF kBaseColour = 0x00319A63;
const COLORREF kLightColour = 0x00A6FFD7;

extern "C" int start()
{
    ProductEntry table[kBuiltInProductCount];
    PrepareBuiltInProductTable(table);
    // The wizard and the progress bar need the common controls.
    InitCommonControlsFromSystem();
    Installer* installer = new Installer(table[0].displayName, table[0].baseName, table,
                                         kBuiltInProductCount, kBaseColour, kLightColour);
    RunInstallation(*installer);
    delete installer;
    return 0;
}
