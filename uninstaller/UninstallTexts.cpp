#include "uninstaller/UninstallTexts.h"

// Texts are written in Windows-1252; "%1" is the product's name.

TextString textUninstallQuestion;
TextString textUninstallDone;
TextString textUninstallNeedsFolder;
TextString textUninstallWrongFolder;
TextString textUninstallNotInstalled;

namespace {

struct UninstallText {
    TextString* holder;
    const char* text1252;
};

const UninstallText kTexts[] = {
    {&textUninstallQuestion, "Do you want to remove %1 and all of its components from this computer?"},
    {&textUninstallDone,
     "%1 has been removed from this computer.\r\n\r\n"
     "The removal is finished the next time Windows starts: the uninstaller itself goes then."},
    {&textUninstallNeedsFolder,
     "The uninstaller needs the folder where %1 is installed. Please remove %1 with Add/Remove "
     "Programs in the Control Panel.\r\n\r\nNothing has been removed."},
    {&textUninstallWrongFolder,
     "The folder given to the uninstaller is not the one where %1 is installed.\r\n\r\n"
     "Nothing has been removed."},
    {&textUninstallNotInstalled, "%1 is not installed on this computer, so there is nothing to remove."},
};

const unsigned long kTextCount = sizeof kTexts / sizeof kTexts[0];

} // namespace

void FillUninstallTexts()
{
    for (unsigned long i = 0; i < kTextCount; ++i)
        kTexts[i].holder->Assign(kTexts[i].text1252);
}

void ReleaseUninstallTexts()
{
    for (unsigned long i = kTextCount; i > 0; --i)
        kTexts[i - 1].holder->Release();
}
