#pragma once
// Registry helpers of the tests: raw reads and writes straight through the
// system (never through the code under test) and whole-tree wipes.
#include <string>
#include <windows.h>

// Declared for Vista and later only; Wine has it whatever version it reports.
extern "C" LONG WINAPI RegDeleteTreeA(HKEY key, LPCSTR subkey);

inline bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline void WipeKey(HKEY root, const std::string& path)
{
    RegDeleteTreeA(root, path.c_str());
    RegDeleteKeyA(root, path.c_str());
}

// A value's type and bytes; false when it is missing.
inline bool ReadRawValue(HKEY root, const std::string& path, const char* name, DWORD* type, std::string* data)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    bool ok = RegQueryValueExA(key, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        data->assign(size, '\0');
        ok = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(size ? &(*data)[0] : nullptr),
                              &size) == ERROR_SUCCESS;
        data->resize(size);
    }
    RegCloseKey(key);
    return ok;
}

// A REG_SZ value's text, "<missing>" or "<type N>" when it is not one.
inline std::string ReadRawString(HKEY root, const std::string& path, const char* name)
{
    DWORD type = REG_NONE;
    std::string data;
    if (!ReadRawValue(root, path, name, &type, &data))
        return "<missing>";
    if (type != REG_SZ)
        return "<type " + std::to_string(type) + ">";
    return std::string(data.c_str());
}

inline bool WriteRawValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data)
{
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()), data.size())
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

inline bool DeleteRawValue(HKEY root, const std::string& path, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    bool ok = RegDeleteValueA(key, name) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}
