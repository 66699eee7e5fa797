#include "util/Memory.h"

#include <windows.h>

void* MemAlloc(unsigned long byteCount)
{
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, byteCount);
}

void MemFree(void* block)
{
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

void* MemFill(void* destination, int value, unsigned long count)
{
    unsigned char* d = static_cast<unsigned char*>(destination);
    for (unsigned long i = 0; i < count; ++i)
        d[i] = static_cast<unsigned char>(value);
    return destination;
}

void* MemCopy(void* destination, const void* source, unsigned long count)
{
    unsigned char* d = static_cast<unsigned char*>(destination);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    for (unsigned long i = 0; i < count; ++i)
        d[i] = s[i];
    return destination;
}

void* MemMove(void* destination, const void* source, unsigned long count)
{
    unsigned char* d = static_cast<unsigned char*>(destination);
    const unsigned char* s = static_cast<const unsigned char*>(source);
    if (d == s || count == 0)
        return destination;
    if (s > d) {
        for (unsigned long i = 0; i < count; ++i)
            d[i] = s[i];
    } else {
        for (unsigned long i = count; i > 0; --i)
            d[i - 1] = s[i - 1];
    }
    return destination;
}

int MemCompare(const void* a, const void* b, unsigned long count)
{
    const unsigned char* x = static_cast<const unsigned char*>(a);
    const unsigned char* y = static_cast<const unsigned char*>(b);
    for (unsigned long i = 0; i < count; ++i) {
        if (x[i] != y[i])
            return static_cast<int>(x[i]) - static_cast<int>(y[i]);
    }
    return 0;
}
