#pragma once
#include <windows.h>

// The eight ways of naming a key. The first five lie under HKEY_CURRENT_USER
// "Software\VididiDuvo\NetTorvin\CurrentVersion"; the last three take the
// given path unchanged under their root.
enum RegLocation {
    SuiteBrowser = 0,
    SuiteMailer = 1,
    SuiteUpdates = 2,
    ProductKey = 3,
    SuiteRoot = 4,
    LocalMachine = 5,
    CurrentUser = 6,
    ClassesRoot = 7,
};

const unsigned long kProductSubkeyCapacity = 512;
const unsigned long kRegistryPathCapacity = 1024;

// Resolves a location to its root and full path in a buffer of capacity
// bytes. False (root null, path "") for an unknown location, a path that
// would not fit, or a location whose path is empty.
bool ResolveLocation(RegLocation location, const char* productSubkey, const char* relativePath, HKEY* root,
                     char* path, unsigned long capacity);

// At most one open key; every operation reports success as a boolean and the
// object closes its key when destroyed. Not copyable.
class RegistryKey {
public:
    // A product subkey longer than 511 characters is not kept: every Open
    // and DeleteKey of the object then fails without touching the registry.
    explicit RegistryKey(const char* productSubkey);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Closes any open key first. openExisting: read access to an existing
    // key; otherwise full access, creating the key and any missing parents.
    // On failure no key is open.
    bool Open(RegLocation location, const char* relativePath, bool openExisting);
    void Close();
    // Only the answer "no more items" counts as none; any other error says yes.
    bool HasSubkeys();
    // Closes any open key; one deletion of the resolved key. Whether its
    // subkeys go with it is the system's rule (Windows 9x: the whole
    // subtree; NT: refused while subkeys remain). Never deletes a root.
    bool DeleteKey(RegLocation location, const char* relativePath);
    // True also when the value did not exist.
    bool DeleteValue(const char* name);

    // The typed reads let the system write the data before the stored type
    // is compared, so data of another type may land in the buffer although
    // the read reports false; a missing value leaves the buffer unchanged.
    // Whatever lands, the buffer holds a terminated text within capacity;
    // a REG_SZ that fills the buffer without its terminator is refused ("").
    bool ReadString(const char* name, char* buffer, unsigned long capacity);
    // size: in the capacity, out the bytes stored. The list is left ending in
    // two terminators within the capacity, or refused.
    bool ReadMultiString(const char* name, char* buffer, unsigned long* size);
    bool ReadBinary(const char* name, void* buffer, unsigned long* size);
    bool ReadDword(const char* name, unsigned long* value);
    bool ValueExists(const char* name);
    // The stored size in bytes of a value of any type (as the ANSI reads deliver it).
    bool ValueSize(const char* name, unsigned long* size);
    bool EnumValueName(unsigned long index, char* name, unsigned long capacity);

    // A null name writes the key's default value.
    bool WriteString(const char* name, const char* text);
    bool WriteMultiString(const char* name, const void* data, unsigned long size);
    bool WriteBinary(const char* name, const void* data, unsigned long size);
    bool WriteDword(const char* name, unsigned long value);

    bool IsOpen() const { return handle != nullptr; }

private:
    bool QueryTyped(const char* name, DWORD wantedType, void* buffer, unsigned long* size);
    bool ReadText(const char* name, DWORD wantedType, char* buffer, unsigned long* size, unsigned long terminators);
    bool SetValue(const char* name, DWORD type, const void* data, unsigned long size);
    bool Resolve(RegLocation location, const char* relativePath, HKEY* root, char* path);

    HKEY handle;
    bool subkeyFits;
    char productSubkey[kProductSubkeyCapacity];
};
