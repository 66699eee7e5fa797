#include "integration/FileType.h"

#include "core/Installer.h"
#include "integration/RegistryKey.h"
#include "util/Path.h"
#include "util/Text.h"

#include <windows.h>
#include <shlobj.h>

namespace {

const unsigned long kEditFlagsCapacity = 64;

// "." + T, or T + suffix, in a path buffer; false when it does not fit.
bool Compose(char* buffer, unsigned long capacity, const char* prefix, const char* name, const char* suffix)
{
    buffer[0] = 0;
    return StrAppendBounded(buffer, capacity, prefix) && StrAppendBounded(buffer, capacity, name)
        && StrAppendBounded(buffer, capacity, suffix);
}

void WriteEditFlags(RegistryKey& classKey)
{
    unsigned char flags[kEditFlagsCapacity] = {};
    unsigned long length = sizeof flags;
    bool read = classKey.ReadBinary("EditFlags", flags, &length);
    length = EditFlagsWithNoOpenPrompt(flags, read, length);
    classKey.WriteBinary("EditFlags", flags, length);
}

void WriteDefault(RegistryKey& key, const char* className, const char* suffix, const char* text)
{
    char path[kRegistryPathCapacity];
    if (Compose(path, sizeof path, "", className, suffix) && key.Open(ClassesRoot, path, false))
        key.WriteString(nullptr, text);
}

} // namespace

unsigned long EditFlagsWithNoOpenPrompt(unsigned char* flags, bool readSucceeded, unsigned long readLength)
{
    // A value shorter than three bytes has no third byte to keep: it becomes 4 bytes.
    unsigned long length = readSucceeded && readLength >= 3 ? readLength : 4;
    flags[2] |= 1;
    return length;
}

void RegisterFileType(const char* typeName, const char* description, const char* iconLocation,
                      const char* openCommand)
{
    RegistryKey key(GetProductSubkey(0));
    char extension[kRegistryPathCapacity];
    char className[kRegistryPathCapacity];
    if (!Compose(extension, sizeof extension, ".", typeName, "")
        || !Compose(className, sizeof className, "", typeName, "File") || !key.Open(ClassesRoot, extension, false))
        return;
    key.WriteString(nullptr, className);
    if (key.Open(ClassesRoot, className, false)) {
        key.WriteString(nullptr, description);
        key.WriteString("NeverShowExt", "");
        WriteEditFlags(key);
    }
    WriteDefault(key, className, "\\DefaultIcon", iconLocation);
    WriteDefault(key, className, "\\shell\\open\\command", openCommand);
}

void UnregisterFileType(const char* typeName)
{
    RegistryKey key(GetProductSubkey(0));
    char extension[kRegistryPathCapacity];
    if (!Compose(extension, sizeof extension, ".", typeName, "") || !key.Open(ClassesRoot, extension, true))
        return;
    char className[kPathCapacity];
    if (key.ReadString(nullptr, className, sizeof className) && className[0]) {
        // NT refuses to delete a key that still has subkeys: deepest first.
        const char* suffixes[] = {"\\DefaultIcon", "\\shell\\open\\command", "\\shell\\open", "\\shell", ""};
        for (const char* suffix : suffixes) {
            char path[kRegistryPathCapacity];
            if (Compose(path, sizeof path, "", className, suffix))
                key.DeleteKey(ClassesRoot, path);
        }
    }
    key.Close();
    key.DeleteKey(ClassesRoot, extension);
}

void NotifyAssociationsChanged()
{
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
