// Stand-ins for what a C runtime would provide, for the project's programs
// (the setup, the uninstaller, the product program), which are linked without
// one (-nostdlib); the tests link the real runtime and never see this file.
#include "util/Memory.h"

#include <windows.h>

// GCC emits calls to these for structure copies and zeroing.
extern "C" void* memset(void* destination, int value, size_t count)
{
    return MemFill(destination, value, count);
}

extern "C" void* memcpy(void* destination, const void* source, size_t count)
{
    return MemCopy(destination, source, count);
}

extern "C" void* memmove(void* destination, const void* source, size_t count)
{
    return MemMove(destination, source, count);
}

extern "C" int memcmp(const void* a, const void* b, size_t count)
{
    return MemCompare(a, b, count);
}

extern "C" void __cxa_pure_virtual()
{
    ExitProcess(3);
}

void* operator new(size_t size) { return MemAlloc(size); }
void* operator new[](size_t size) { return MemAlloc(size); }
void operator delete(void* block) noexcept { MemFree(block); }
void operator delete[](void* block) noexcept { MemFree(block); }
void operator delete(void* block, size_t) noexcept { MemFree(block); }
void operator delete[](void* block, size_t) noexcept { MemFree(block); }
