#include "pages/RegistryText.h"

#include "util/Memory.h"
#include "util/Text.h"

bool ReadTextValue(RegistryKey& key, const char* name, char* buffer, unsigned long capacity)
{
    // The typed read may leave data of another type in its buffer, so it
    // reads into a scratch copy.
    char* scratch = static_cast<char*>(MemAlloc(capacity));
    if (!scratch)
        return false;
    bool read = key.ReadString(name, scratch, capacity) && StrCopyBounded(buffer, capacity, scratch);
    MemFree(scratch);
    return read;
}
