#include "product/ProductTexts.h"

// Texts are written in Windows-1252.

TextString textProgramName;
TextString textStandInNote;
TextString textAskedToOpen;
TextString textNothingToOpen;
TextString textUnusableFileName;
TextString textCloseButton;

namespace {

const TextAssignment kTexts[] = {
    {&textProgramName, "AuctionTorvin"},
    {&textStandInNote,
     "This is a stand-in for the AuctionTorvin program, made by its setup project. The real program "
     "takes its place when its release build is supplied."},
    {&textAskedToOpen, "Asked to open: %1"},
    {&textNothingToOpen, "No search file was given to open."},
    {&textUnusableFileName, "The file to open is named wrongly (too long or badly quoted)."},
    {&textCloseButton, "Close"},
};

const unsigned long kTextCount = sizeof kTexts / sizeof kTexts[0];

} // namespace

void FillProductTexts()
{
    AssignTexts(kTexts, kTextCount);
}

void ReleaseProductTexts()
{
    ReleaseTexts(kTexts, kTextCount);
}
