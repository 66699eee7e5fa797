#pragma once
// Files and resources the tests make and read back, in the prefix's temporary folder.
#include <set>
#include <string>
#include <windows.h>

inline std::string TempDirectory()
{
    char path[MAX_PATH];
    GetTempPathA(sizeof path, path);
    return path;
}

inline bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = bytes.empty() || WriteFile(file, bytes.data(), bytes.size(), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

// The whole file, or "" when it cannot be opened.
inline std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, &bytes[0], bytes.size(), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

// An RCDATA resource of the test program.
inline std::string RcDataBytes(int identifier)
{
    HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(identifier), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!resource)
        return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    return std::string(bytes, SizeofResource(nullptr, resource));
}

// The temporary "QX" files there are now; Wine's names vary from run to run,
// so tests compare the sets before and after.
inline std::set<std::string> TempFilesNamedQX()
{
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE finder = FindFirstFileA((TempDirectory() + "QX*").c_str(), &entry);
    if (finder != INVALID_HANDLE_VALUE) {
        do
            names.insert(entry.cFileName);
        while (FindNextFileA(finder, &entry));
        FindClose(finder);
    }
    return names;
}
