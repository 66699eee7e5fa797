// damage_payload SOURCE DESTINATION ID BYTES: a copy of the setup program in
// which the CUSTOM resource ID (language 1033) keeps only its first BYTES
// bytes, replaced through the system's resource-update functions as any
// tool that patches a program would. Exit code 0 when the copy is written.
#include <windows.h>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 5)
        return 2;
    const char* source = __argv[1];
    const char* destination = __argv[2];
    WORD id = static_cast<WORD>(std::atoi(__argv[3]));
    DWORD keep = static_cast<DWORD>(std::atoi(__argv[4]));
    std::string folder = destination;
    folder.resize(folder.find_last_of('\\'));
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!CopyFileA(source, destination, FALSE))
        return 3;
    HMODULE module = LoadLibraryExA(source, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = module ? FindResourceExA(module, "CUSTOM", MAKEINTRESOURCEA(id), 1033) : nullptr;
    if (!resource || SizeofResource(module, resource) <= keep)
        return 4;
    std::string bytes(static_cast<const char*>(LockResource(LoadResource(module, resource))), keep);
    FreeLibrary(module);
    HANDLE update = BeginUpdateResourceA(destination, FALSE);
    if (!update)
        return 5;
    if (!UpdateResourceA(update, "CUSTOM", MAKEINTRESOURCEA(id), 1033, &bytes[0], keep)) {
        EndUpdateResourceA(update, TRUE);
        return 6;
    }
    return EndUpdateResourceA(update, FALSE) ? 0 : 7;
}
