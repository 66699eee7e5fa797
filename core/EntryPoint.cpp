// The product's first and last instructions. No C runtime runs before or
// after: the catalogue is filled here, `start` does the work, and the process
// ends here. The compiler helpers a runtime would provide live in this file
// alone, so the test build (which links the real runtime) never sees them.
#include "core/MessageCatalog.h"
#include "core/Start.h"
#include "util/Memory.h"
#include "util/SystemLibrary.h"

#include <windows.h>

extern "C" void __stdcall EntryPoint()
{
    // Before any DLL is loaded at run time: never from the program's folder.
    RestrictDllSearchToSystem();
    FillMessageCatalog();
    int result = start();
    ReleaseMessageCatalog();
    ExitProcess(static_cast<UINT>(result));
}

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
