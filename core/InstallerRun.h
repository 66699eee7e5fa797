#pragma once
class Installer;

// One whole run of the setup program: the pictures and the free-space test,
// the backdrop, the wizard, the installation unless the wizard was
// cancelled, and the clean-up. Ends early, installing nothing, when the
// temporary folder's drive is too full or no backdrop or wizard can be shown.
void RunInstallation(Installer& installer);
