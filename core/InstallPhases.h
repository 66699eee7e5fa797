#pragma once
class InstallProgress;
class Installer;
class WizardSheet;

// The phases after the files and the settings, which report no failure: the
// product registration, then (announced as "Adding to find menu..." to a
// progress watcher, if any) the shortcut when wanted, the find menu, the
// taskbar, the uninstall entry and the cancellation of restart deletions.
void RegisterInstallation(Installer& installer, bool wantsDesktopShortcut, InstallProgress* progress);

// The installation proper, after Finish: under the progress dialog, the
// files, the pages' settings, the product registration and the shell
// integration, then one message box with the outcome. A failure of the files
// or of the settings undoes the installation before it is reported.
void RunInstallPhases(Installer& installer, const char* title, WizardSheet& sheet, const char* installPath,
                      bool wantsDesktopShortcut);
