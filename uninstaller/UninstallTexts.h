#pragma once
#include "util/TextString.h"

// The uninstaller's own texts, assigned once at start-up through the
// Windows-1252 conversion (after the setup's catalogue, whose product texts
// it shares) and released before the process ends.
void FillUninstallTexts();
void ReleaseUninstallTexts();

extern TextString textUninstallQuestion;
extern TextString textUninstallDone;
extern TextString textUninstallNeedsFolder;
extern TextString textUninstallWrongFolder;
extern TextString textUninstallNotInstalled;
