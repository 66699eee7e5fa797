#include "integration/RegistryKey.h"

#include "util/Text.h"

static const char kSuiteBase[] = "Software\\VididiDuvo\\NetTorvin\\CurrentVersion";

// The fixed part of a suite location; null for the locations without one.
static const char* SuiteSubkey(RegLocation location)
{
    switch (location) {
    case SuiteBrowser: return "Browser";
    case SuiteMailer: return "Mailer";
    case SuiteUpdates: return "Updates";
    default: return nullptr;
    }
}

static bool AppendComponent(char* path, unsigned long capacity, const char* component)
{
    if (!component || !*component)
        return true;
    if (*path && !StrAppendBounded(path, capacity, "\\"))
        return false;
    return StrAppendBounded(path, capacity, component);
}

bool ResolveLocation(RegLocation location, const char* productSubkey, const char* relativePath, HKEY* root,
                     char* path, unsigned long capacity)
{
    *root = nullptr;
    if (capacity == 0)
        return false; // no room even for the empty path
    path[0] = 0;
    HKEY resolvedRoot = nullptr;
    bool underSuite = false; // a relative path is appended to the suite's path, else it is the path
    bool fits = true;
    switch (location) {
    case SuiteBrowser:
    case SuiteMailer:
    case SuiteUpdates:
    case SuiteRoot:
    case ProductKey:
        resolvedRoot = HKEY_CURRENT_USER;
        underSuite = true;
        fits = StrCopyBounded(path, capacity, kSuiteBase)
            && AppendComponent(path, capacity, location == ProductKey ? productSubkey : SuiteSubkey(location));
        break;
    case LocalMachine: resolvedRoot = HKEY_LOCAL_MACHINE; break;
    case CurrentUser: resolvedRoot = HKEY_CURRENT_USER; break;
    case ClassesRoot: resolvedRoot = HKEY_CLASSES_ROOT; break;
    default: return false;
    }
    if (location == ProductKey && (!productSubkey || !*productSubkey))
        fits = false; // without its name the product key would be the suite's own
    if (fits && relativePath && *relativePath) {
        if (underSuite)
            fits = StrAppendBounded(path, capacity, "\\") && StrAppendBounded(path, capacity, relativePath);
        else
            fits = StrCopyBounded(path, capacity, relativePath);
    }
    // An empty path would name the root itself: never opened or deleted here.
    if (!fits || !path[0]) {
        path[0] = 0;
        return false;
    }
    *root = resolvedRoot;
    return true;
}

RegistryKey::RegistryKey(const char* subkey)
    : handle(nullptr)
{
    subkeyFits = StrCopyBounded(productSubkey, sizeof productSubkey, subkey ? subkey : "");
}

RegistryKey::~RegistryKey()
{
    Close();
}

bool RegistryKey::Resolve(RegLocation location, const char* relativePath, HKEY* root, char* path)
{
    if (!subkeyFits) {
        *root = nullptr;
        path[0] = 0;
        return false;
    }
    return ResolveLocation(location, productSubkey, relativePath, root, path, kRegistryPathCapacity);
}

bool RegistryKey::Open(RegLocation location, const char* relativePath, bool openExisting)
{
    Close();
    HKEY root;
    char path[kRegistryPathCapacity];
    if (!Resolve(location, relativePath, &root, path))
        return false;
    HKEY opened = nullptr;
    LONG result;
    if (openExisting) {
        result = RegOpenKeyExA(root, path, 0, KEY_READ, &opened);
    } else {
        DWORD disposition;
        result = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                                 &disposition);
    }
    if (result != ERROR_SUCCESS)
        return false;
    handle = opened;
    return true;
}

void RegistryKey::Close()
{
    if (handle) {
        RegCloseKey(handle);
        handle = nullptr;
    }
}

bool RegistryKey::HasSubkeys()
{
    char name[1024];
    DWORD length = sizeof name;
    return RegEnumKeyExA(handle, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_NO_MORE_ITEMS;
}

bool RegistryKey::DeleteKey(RegLocation location, const char* relativePath)
{
    Close();
    HKEY root;
    char path[kRegistryPathCapacity];
    if (!Resolve(location, relativePath, &root, path))
        return false;
    return RegDeleteKeyA(root, path) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const char* name)
{
    if (!handle)
        return false;
    LONG result = RegDeleteValueA(handle, name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool RegistryKey::QueryTyped(const char* name, DWORD wantedType, void* buffer, unsigned long* size)
{
    if (!handle)
        return false;
    DWORD type = REG_NONE;
    DWORD length = *size;
    if (RegQueryValueExA(handle, name, nullptr, &type, static_cast<BYTE*>(buffer), &length) != ERROR_SUCCESS)
        return false;
    *size = length;
    return type == wantedType;
}

// Makes the stored bytes end in the given number of terminators within the
// capacity; false (and an empty text) when they no longer fit.
static bool TerminateText(char* buffer, unsigned long capacity, unsigned long stored, unsigned long terminators)
{
    unsigned long present = 0;
    while (present < terminators && present < stored && buffer[stored - 1 - present] == 0)
        ++present;
    unsigned long needed = terminators - present;
    if (stored + needed > capacity) {
        for (unsigned long i = 0; i < terminators && i < capacity; ++i)
            buffer[i] = 0;
        return false;
    }
    for (unsigned long i = 0; i < needed; ++i)
        buffer[stored + i] = 0;
    return true;
}

// A text read: the system writes the data before the type is compared, and
// a stored string need not carry its terminator, so the buffer is made a
// terminated text whenever anything may have landed in it.
bool RegistryKey::ReadText(const char* name, DWORD wantedType, char* buffer, unsigned long* size,
                           unsigned long terminators)
{
    unsigned long capacity = *size;
    if (!handle || capacity < terminators)
        return false;
    DWORD type = REG_NONE;
    DWORD length = capacity;
    LONG result = RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length);
    if (result == ERROR_FILE_NOT_FOUND)
        return false; // nothing landed
    if (result != ERROR_SUCCESS) {
        // Too long for the buffer: the system may have written part of it.
        TerminateText(buffer, capacity, capacity, terminators);
        return false;
    }
    bool terminated = TerminateText(buffer, capacity, length, terminators);
    *size = length;
    return type == wantedType && terminated;
}

bool RegistryKey::ReadString(const char* name, char* buffer, unsigned long capacity)
{
    unsigned long size = capacity;
    return ReadText(name, REG_SZ, buffer, &size, 1);
}

bool RegistryKey::ReadMultiString(const char* name, char* buffer, unsigned long* size)
{
    return ReadText(name, REG_MULTI_SZ, buffer, size, 2);
}

bool RegistryKey::ReadBinary(const char* name, void* buffer, unsigned long* size)
{
    return QueryTyped(name, REG_BINARY, buffer, size);
}

bool RegistryKey::ReadDword(const char* name, unsigned long* value)
{
    DWORD data = 0;
    unsigned long size = sizeof data;
    if (!QueryTyped(name, REG_DWORD, &data, &size) || size != sizeof data)
        return false;
    *value = data;
    return true;
}

bool RegistryKey::ValueExists(const char* name)
{
    return handle && RegQueryValueExA(handle, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::ValueSize(const char* name, unsigned long* size)
{
    DWORD length = 0;
    if (!handle || RegQueryValueExA(handle, name, nullptr, nullptr, nullptr, &length) != ERROR_SUCCESS)
        return false;
    *size = length;
    return true;
}

bool RegistryKey::EnumValueName(unsigned long index, char* name, unsigned long capacity)
{
    if (!handle || capacity == 0)
        return false;
    DWORD length = capacity;
    return RegEnumValueA(handle, index, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::SetValue(const char* name, DWORD type, const void* data, unsigned long size)
{
    return handle && RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const char* name, const char* text)
{
    return SetValue(name, REG_SZ, text, StrLength(text) + 1);
}

bool RegistryKey::WriteMultiString(const char* name, const void* data, unsigned long size)
{
    return SetValue(name, REG_MULTI_SZ, data, size);
}

bool RegistryKey::WriteBinary(const char* name, const void* data, unsigned long size)
{
    return SetValue(name, REG_BINARY, data, size);
}

bool RegistryKey::WriteDword(const char* name, unsigned long value)
{
    DWORD data = value;
    return SetValue(name, REG_DWORD, &data, sizeof data);
}
