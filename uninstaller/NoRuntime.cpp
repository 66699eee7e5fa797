// Stand-ins for what a C runtime would provide, for programs linked without
// one (-nostdlib); the tests link the real runtime and never see this file.
#include "uninstaller/NoRuntime.h"

#include "util/Memory.h"

#include <windows.h>

void RestrictDllSearch()
{
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFunction)(DWORD);
    const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32
    // Looked up at run time: a static import would keep the program from
    // loading at all where the function does not exist.
    FARPROC address = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    if (address)
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(address))(kSearchSystem32);
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
