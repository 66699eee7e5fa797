#pragma once
// Registry values the page tests set up and read back in the prefix's real
// registry, and snapshots that put the prefix's own values back afterwards.
#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

// Declared for Vista and later only; Wine has it whatever version it reports.
extern "C" LONG WINAPI RegDeleteTreeA(HKEY key, LPCSTR subkey);

const char kSuiteUpdatesKey[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion\\Updates";

inline void DeleteKeyTree(HKEY root, const char* path)
{
    RegDeleteTreeA(root, path);
    RegDeleteKeyA(root, path);
}

inline bool SetValue(HKEY root, const char* path, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool set = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

inline bool SetString(HKEY root, const char* path, const char* name, const std::string& text)
{
    return SetValue(root, path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

inline bool SetDword(HKEY root, const char* path, const char* name, DWORD value)
{
    return SetValue(root, path, name, REG_DWORD, &value, sizeof value);
}

inline void DeleteValue(HKEY root, const char* path, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

// A value as stored: its type and bytes; type REG_NONE and no bytes when missing.
struct StoredValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::string bytes;
};

inline StoredValue ReadValue(HKEY root, const char* path, const char* name)
{
    StoredValue value;
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        RegQueryValueExA(key, name, nullptr, &value.type,
                         reinterpret_cast<BYTE*>(size ? &value.bytes[0] : nullptr), &size);
        value.exists = true;
    }
    RegCloseKey(key);
    return value;
}

// The text of a REG_SZ value, "<missing>" or "<type N>" otherwise.
inline std::string ReadText(HKEY root, const char* path, const char* name)
{
    StoredValue value = ReadValue(root, path, name);
    if (!value.exists)
        return "<missing>";
    if (value.type != REG_SZ)
        return "<type " + std::to_string(value.type) + ">";
    return std::string(value.bytes.c_str());
}

// The 32-bit number of a REG_DWORD value, or -2 when it is anything else.
inline long long ReadNumber(HKEY root, const char* path, const char* name)
{
    StoredValue value = ReadValue(root, path, name);
    if (!value.exists || value.type != REG_DWORD || value.bytes.size() != 4)
        return -2;
    DWORD number;
    memcpy(&number, value.bytes.data(), 4);
    return number;
}

// Takes values of a key out of the way for a test, and puts them back as
// they were (or absent) when it ends.
class SavedValues {
public:
    SavedValues(HKEY root, const char* path, std::vector<std::string> names) : root(root), path(path)
    {
        for (const std::string& name : names) {
            saved.push_back({name, ReadValue(root, path, name.c_str())});
            DeleteValue(root, path, name.c_str());
        }
    }
    ~SavedValues()
    {
        for (const Entry& entry : saved) {
            if (entry.value.exists)
                SetValue(root, path.c_str(), entry.name.c_str(), entry.value.type, entry.value.bytes.data(),
                         static_cast<DWORD>(entry.value.bytes.size()));
            else
                DeleteValue(root, path.c_str(), entry.name.c_str());
        }
    }
    SavedValues(const SavedValues&) = delete;
    SavedValues& operator=(const SavedValues&) = delete;

private:
    struct Entry {
        std::string name;
        StoredValue value;
    };
    HKEY root;
    std::string path;
    std::vector<Entry> saved;
};

// The same with std::string paths, as the engine tests name their keys.
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
    DeleteKeyTree(root, path.c_str());
}

// A value's type and bytes; false when it is missing.
inline bool ReadRawValue(HKEY root, const std::string& path, const char* name, DWORD* type, std::string* data)
{
    StoredValue value = ReadValue(root, path.c_str(), name);
    *type = value.type;
    *data = value.bytes;
    return value.exists;
}

inline std::string ReadRawString(HKEY root, const std::string& path, const char* name)
{
    return ReadText(root, path.c_str(), name);
}

inline bool WriteRawValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::string& data)
{
    return SetValue(root, path.c_str(), name, type, data.data(), static_cast<DWORD>(data.size()));
}

// True when the value was there and is gone.
inline bool DeleteRawValue(HKEY root, const std::string& path, const char* name)
{
    if (!ReadValue(root, path.c_str(), name).exists)
        return false;
    DeleteValue(root, path.c_str(), name);
    return !ReadValue(root, path.c_str(), name).exists;
}
