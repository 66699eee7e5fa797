#include "uninstaller/UninstallTexts.h"

// Texts are written in Windows-1252; "%1" is the product's name.

TextString textUninstallQuestion;
TextString textUninstallDone;
TextString textUninstallNeedsFolder;
TextString textUninstallWrongFolder;
TextString textUninstallNotInstalled;

namespace {

const TextAssignment kTexts[] = {
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
    AssignTexts(kTexts, kTextCount);
}

void ReleaseUninstallTexts()
{
    ReleaseTexts(kTexts, kTextCount);
}
