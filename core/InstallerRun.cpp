#include "core/InstallerRun.h"

#include "core/Backdrop.h"
#include "core/InstallPhases.h"
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/PicturePath.h"
#include "core/Space.h"
#include "integration/RegistryKey.h"
#include "pages/InstallOptionsPage.h"
#include "pages/LicensePage.h"
#include "pages/NoticePage.h"
#include "pages/ProxyPage.h"
#include "pages/RegistrationPage.h"
#include "payload/PayloadExtractor.h"
#include "resources/ResourceIds.h"
#include "util/Format.h"
#include "util/Path.h"
#include "wizard/LoadBitmapFile.h"
#include "wizard/WizardSheet.h"

#include <windows.h>

namespace {

const unsigned long kTitleCapacity = 260;

// The temporary folder, made when it does not exist yet.
void PrepareTemporaryDirectory()
{
    char path[kPathCapacity];
    DWORD length = GetTempPathA(sizeof path, path);
    if (length != 0 && length < sizeof path)
        CreateDirectoryChain(path);
}

HBITMAP LoadBackdropPicture()
{
    char path[kPathCapacity];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path || !PicturePathForProgram(path))
        return nullptr;
    return LoadBitmapFile(path);
}

void DeleteBitmap(HBITMAP* bitmap)
{
    if (*bitmap)
        DeleteObject(*bitmap);
    *bitmap = nullptr;
}

// The free-space test of the temporary folder's drive, then the side
// picture unpacked through a temporary "QX" file that is gone afterwards
// whatever happens. False when the drive is too full.
bool CheckSpaceAndUnpackSidePicture(PayloadExtractor& extractor, const char* title, HBITMAP* sideImage)
{
    char directory[kPathCapacity];
    char tempFile[kPathCapacity];
    DWORD length = GetTempPathA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory || !GetTempFileNameA(directory, "QX", 0, tempFile))
        return true; // no test and no picture, but the run goes on
    if (RequiredSpace(true) > FreeSpace(tempFile)) {
        MessageBoxA(nullptr, textInsufficientTempSpace, title, MB_OK | MB_ICONHAND);
        DeleteFileA(tempFile);
        return false;
    }
    if (extractor.ExtractPayload(IDR_SIDE_PICTURE, tempFile))
        *sideImage = LoadBitmapFile(tempFile);
    DeleteFileA(tempFile);
    return true;
}

bool HasVersionSubkeys(RegistryKey& key, const char* path)
{
    bool found = key.Open(CurrentUser, path, true) && key.HasSubkeys();
    key.Close();
    return found;
}

// An earlier version of the suite left its version keys behind.
bool EarlierVersionPresent()
{
    RegistryKey key(GetProductSubkey(0));
    return HasVersionSubkeys(key, "Software\\Oskelan\\NetTorvin\\CurrentVersion")
        || HasVersionSubkeys(key, "Software\\Oskelan\\WebTorvin\\CurrentVersion");
}

// The wizard over its four or five pages, then the installation unless it
// was cancelled or could not be shown. The pages outlive the wizard: they
// commit their settings during the installation.
void RunWizardAndInstall(Installer& installer, const char* title, HBITMAP sideImage)
{
    WizardSheet sheet(title, installer.backdropWindow);
    COLORREF colour = installer.lightColour;
    LicensePage license(sideImage, colour);
    NoticePage notice(sideImage, colour);
    RegistrationPage registration(sideImage, colour);
    InstallOptionsPage options(sideImage, colour);
    ProxyPage proxy(sideImage, colour);
    sheet.AddPage(&license);
    if (EarlierVersionPresent())
        sheet.AddPage(&notice);
    sheet.AddPage(&registration);
    sheet.AddPage(&options);
    sheet.AddPage(&proxy);
    // 0 is Cancel; -1 a wizard that could not be shown, which must not install either.
    if (sheet.Run() > 0) {
        char installPath[kPathCapacity];
        options.GetInstallPath(installPath, sizeof installPath);
        RunInstallPhases(installer, title, sheet, installPath, options.WantsDesktopIcon());
    }
    DestroyWindow(installer.backdropWindow);
    installer.backdropWindow = nullptr;
}

} // namespace

void RunInstallation(Installer& installer)
{
    char title[kTitleCapacity];
    FormatTextInto(title, sizeof title, textInstallationTitle, installer.productName);
    HBITMAP sideImage = nullptr;
    installer.backdropImage = nullptr;
    PrepareTemporaryDirectory();
    installer.backdropImage = LoadBackdropPicture();
    PayloadExtractor extractor;
    if (CheckSpaceAndUnpackSidePicture(extractor, title, &sideImage)) {
        installer.backdropWindow = CreateBackdrop(title);
        if (installer.backdropWindow) {
            ShowWindow(installer.backdropWindow, SW_SHOWMAXIMIZED);
            UpdateWindow(installer.backdropWindow);
            RunWizardAndInstall(installer, title, sideImage);
        }
    }
    DeleteBitmap(&sideImage);
    DeleteBitmap(&installer.backdropImage);
}
