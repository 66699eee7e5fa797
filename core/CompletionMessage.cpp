#include "core/CompletionMessage.h"

#include "util/Memory.h"
#include "util/Text.h"

bool MenuItemForMessage(const char* menuText, char* buffer, unsigned long capacity)
{
    if (!StrCopyBounded(buffer, capacity, menuText ? menuText : ""))
        return false;
    char* ampersand = StrFindChar(buffer, '&');
    if (ampersand)
        MemMove(ampersand, ampersand + 1, StrLength(ampersand + 1) + 1);
    unsigned long length = StrLength(buffer);
    buffer[length >= 3 ? length - 3 : 0] = 0;
    return true;
}
