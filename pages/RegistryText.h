#pragma once
#include "integration/RegistryKey.h"

// A REG_SZ value copied into buffer only when it is one and fits whole: a
// missing value, one of another type or one too long for the buffer leaves
// the buffer as it was and gives false.
bool ReadTextValue(RegistryKey& key, const char* name, char* buffer, unsigned long capacity);
