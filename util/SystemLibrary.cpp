#include "util/SystemLibrary.h"

#include "util/Path.h"
#include "util/Text.h"

namespace {

const DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32
const unsigned long kCachedLibraryCount = 4;

struct CachedLibrary {
    const char* name; // a literal of the caller's
    HMODULE module;
};

CachedLibrary cachedLibraries[kCachedLibraryCount];

} // namespace

void RestrictDllSearchToSystem()
{
    // kernel32 is always loaded; this never searches.
    typedef BOOL(WINAPI * SetDirectories)(DWORD);
    SetDirectories setDirectories = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDirectories)
        setDirectories(kSearchSystem32);
}

HMODULE LoadSystemLibrary(const char* name)
{
    unsigned long slot = 0;
    for (; slot < kCachedLibraryCount && cachedLibraries[slot].name; ++slot) {
        if (lstrcmpiA(cachedLibraries[slot].name, name) == 0)
            return cachedLibraries[slot].module;
    }
    char path[kPathCapacity];
    UINT length = GetSystemDirectoryA(path, sizeof path);
    if (length == 0 || length >= sizeof path || !JoinPath(path, sizeof path, name))
        return nullptr;
    // A full path: the loader looks nowhere else for the DLL itself.
    HMODULE module = LoadLibraryA(path);
    if (module && slot < kCachedLibraryCount) {
        cachedLibraries[slot].name = name;
        cachedLibraries[slot].module = module;
    }
    return module;
}

FARPROC SystemFunction(const char* library, const char* function)
{
    HMODULE module = LoadSystemLibrary(library);
    return module ? GetProcAddress(module, function) : nullptr;
}
