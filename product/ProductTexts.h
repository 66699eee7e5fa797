#pragma once
#include "util/TextString.h"

// The product program's texts, assigned once at start-up through the
// Windows-1252 conversion and released before the process ends.
void FillProductTexts();
void ReleaseProductTexts();

extern TextString textProgramName;
extern TextString textStandInNote;
extern TextString textAskedToOpen;
extern TextString textNothingToOpen;
extern TextString textUnusableFileName;
extern TextString textCloseButton;
