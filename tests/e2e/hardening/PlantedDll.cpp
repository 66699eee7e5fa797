// A DLL of the kind a web page can drop into a downloads folder under a
// system DLL's name: when loaded it leaves C:\planted\NAME.loaded behind, so
// a scenario can tell whether a program loaded it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(instance, module, sizeof module);
    const char* name = module;
    for (DWORD i = 0; i < length; ++i)
        if (module[i] == '\\')
            name = module + i + 1;
    char marker[MAX_PATH + 32];
    CreateDirectoryA("C:\\planted", nullptr);
    lstrcpyA(marker, "C:\\planted\\");
    lstrcatA(marker, name);
    lstrcatA(marker, ".loaded");
    HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return TRUE;
}
