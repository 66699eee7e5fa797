#pragma once
class Installer;
class WizardSheet;

// The installation proper, after Finish: under the progress dialog, the
// files, the pages' settings, the product registration and the shell
// integration, then one message box with the outcome. A failure of the files
// or of the settings undoes the installation before it is reported.
void RunInstallPhases(Installer& installer, const char* title, WizardSheet& sheet, const char* installPath,
                      bool wantsDesktopShortcut);
