#include "integration/SuiteKeys.h"

#include "util/Text.h"

bool KeyPathJoin(char* path, unsigned long capacity, const char* parent, const char* name)
{
    if (StrCopyBounded(path, capacity, parent) && StrAppendBounded(path, capacity, "\\")
        && StrAppendBounded(path, capacity, name))
        return true;
    path[0] = 0;
    return false;
}
