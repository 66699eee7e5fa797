#include "wizard/PageDispatchRules.h"

#include <prsht.h>

DWORD WizardButtonFlags(unsigned long index, unsigned long count)
{
    DWORD flags = index == 0 ? 0 : PSWIZB_BACK;
    flags |= index + 1 == count ? PSWIZB_FINISH : PSWIZB_NEXT;
    return flags;
}

bool WantsJump(int pageId, bool stay)
{
    return pageId != 0 && !stay;
}

LRESULT JumpResult(int pageId, bool stay)
{
    if (pageId != 0)
        return -1;
    return stay ? -1 : 0;
}
