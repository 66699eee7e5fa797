#pragma once
#include <windows.h>

// The decisions of the page dispatcher, apart from the windows.

// PSM_SETWIZBUTTONS flags for page index of count pages: Back unless first,
// Finish on the last page, otherwise Next.
DWORD WizardButtonFlags(unsigned long index, unsigned long count);

// Whether the page asked for a jump to another dialog id: id not 0 and not staying.
bool WantsJump(int pageId, bool stay);

// Message result of PSN_WIZNEXT / PSN_WIZBACK: -1 keeps the sheet from moving
// by itself (a jump was sent, or the page stays), 0 lets it go to the neighbour.
LRESULT JumpResult(int pageId, bool stay);
