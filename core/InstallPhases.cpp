#include "core/InstallPhases.h"

#include "core/CompletionMessage.h"
#include "core/Installer.h"
#include "core/MessageCatalog.h"
#include "core/ProgressDialog.h"
#include "core/Space.h"
#include "integration/FileType.h"
#include "integration/ProductRegistration.h"
#include "integration/Shortcuts.h"
#include "payload/FileInstaller.h"
#include "payload/RestartQueue.h"
#include "payload/Rollback.h"
#include "util/Format.h"
#include "util/SystemVersion.h"
#include "util/Text.h"
#include "wizard/WizardSheet.h"

#include <windows.h>

namespace {

const unsigned long kMessageCapacity = 1024;

void Undo(Installer& installer)
{
    RemoveRegistration(installer);
    RemoveFiles(installer);
}

// Files, then settings; false (installation undone, errorText set) at the first failure.
bool InstallAndCommit(Installer& installer, ProgressDialog& progress, WizardSheet& sheet)
{
    if (!InstallProductFiles(installer, &progress)) {
        Undo(installer);
        return false;
    }
    progress.AdvanceWithStatus(textModifyingRegistry);
    if (!sheet.CommitAll()) {
        StrCopyBounded(installer.errorText, sizeof installer.errorText, textUnableToUpdateRegistry);
        Undo(installer);
        return false;
    }
    return true;
}

void ReportFailure(Installer& installer, const char* title)
{
    char message[kMessageCapacity];
    FormatTextInto(message, sizeof message, textInstallationFailed, installer.errorText);
    MessageBoxA(installer.backdropWindow, message, title, MB_OK | MB_ICONHAND);
}

void ReportSuccess(Installer& installer, const char* title)
{
    bool searchMenu = IsVersion5OrLater();
    const ProductEntry& product = installer.products[0];
    char item[kMessageCapacity];
    char message[kMessageCapacity];
    MenuItemForMessage(searchMenu ? product.searchMenuText : product.findMenuText, item, sizeof item);
    FormatTextInto(message, sizeof message, textInstallationComplete, installer.productName,
                   searchMenu ? textSearchMenuWord : textFindMenuWord, item);
    MessageBoxA(installer.backdropWindow, message, title, MB_OK | MB_ICONASTERISK);
}

} // namespace

void RegisterInstallation(Installer& installer, bool wantsDesktopShortcut, InstallProgress* progress)
{
    RegisterSearchFileTypes(installer);
    NotifyAssociationsChanged();
    if (progress)
        progress->AdvanceWithStatus(textAddingToFindMenu);
    if (wantsDesktopShortcut)
        CreateDesktopShortcuts(installer);
    RegisterFindMenuExtension(installer);
    NotifyTaskbar();
    RegisterUninstallEntry(installer);
    CancelRestartDeletions(installer);
}

void RunInstallPhases(Installer& installer, const char* title, WizardSheet& sheet, const char* installPath,
                      bool wantsDesktopShortcut)
{
    for (unsigned long i = 0; i < installer.productCount; ++i) {
        if (installer.selected[i])
            SetInstallDir(installer, i, installPath);
    }
    StrCopyBounded(installer.errorText, sizeof installer.errorText, textUnknownError);

    ProgressDialog progress;
    progress.CreateProgress(installer.backdropWindow);
    progress.SetProgressRange(static_cast<unsigned short>(5 * CountSelected() + 4));
    bool installed = InstallAndCommit(installer, progress, sheet);
    if (installed) {
        RegisterInstallation(installer, wantsDesktopShortcut, &progress);
        progress.AdvanceWithStatus(textSetupComplete);
    }
    progress.DestroyProgress();

    if (installed)
        ReportSuccess(installer, title);
    else
        ReportFailure(installer, title);
}
