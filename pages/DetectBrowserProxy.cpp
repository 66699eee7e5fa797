#include "pages/BrowserProxy.h"

#include "core/Installer.h"
#include "integration/RegistryKey.h"
#include "pages/ProxyServerText.h"
#include "pages/RegistryText.h"
#include "util/Text.h"

static const char kExplorerSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
static const char kNavigatorProxyKey[] = "Software\\Netscape\\Netscape Navigator\\Proxy Information";
static const char kExplorerProgramKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
static const char kNavigatorProgramKey[] = "NetscapeMarkup\\shell\\open\\command";
const unsigned long kServerTextCapacity = 1024;

bool ProxyValueName(char* name, unsigned long capacity, const char* kind, const char* suffix)
{
    return StrCopyBounded(name, capacity, kind) && StrAppendBounded(name, capacity, suffix);
}

// ProxyEnable is binary data of up to 4 bytes; fewer are widened with zeros.
static bool ReadProxyEnable(RegistryKey& key, unsigned long* enable)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    unsigned long size = sizeof bytes;
    if (!key.ReadBinary("ProxyEnable", bytes, &size))
        return false;
    *enable = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<unsigned long>(bytes[3]) << 24;
    return true;
}

// A host longer than the setting holds is not taken: cut, it would name
// another machine.
static bool TakeHost(char* host, const char* found)
{
    if (StrLength(found) >= kProxyHostCapacity)
        return false;
    return StrCopyBounded(host, kProxyHostCapacity, found);
}

static bool FromExplorer(const char* kind, bool* enabled, char* host, int* port)
{
    char prefix[kProxyValueNameCapacity];
    if (!ProxyValueName(prefix, sizeof prefix, kind, "="))
        return false;
    CharLowerBuffA(prefix, StrLength(prefix));
    RegistryKey key(GetProductSubkey(0));
    unsigned long enable = 0;
    char server[kServerTextCapacity];
    if (!key.Open(CurrentUser, kExplorerSettingsKey, true) || !ReadProxyEnable(key, &enable)
        || !key.ReadString("ProxyServer", server, sizeof server))
        return false;
    char* found = nullptr;
    const char* portText = nullptr;
    if (!FindProxyEntry(server, prefix, &found, &portText) || !TakeHost(host, found))
        return false;
    *enabled = enable != 0;
    if (portText)
        *port = LeadingDecimalValue(portText);
    return true;
}

static bool FromNavigator(const char* kind, bool* enabled, char* host, int* port)
{
    char name[kProxyValueNameCapacity];
    char found[kServerTextCapacity];
    found[0] = 0;
    RegistryKey key(GetProductSubkey(0));
    if (!key.Open(CurrentUser, kNavigatorProxyKey, true) || !ProxyValueName(name, sizeof name, kind, "_Proxy")
        || !ReadTextValue(key, name, found, sizeof found) || found[0] == 0 || !TakeHost(host, found))
        return false;
    *enabled = true;
    unsigned long value;
    if (ProxyValueName(name, sizeof name, kind, "_ProxyPort") && key.ReadDword(name, &value))
        *port = static_cast<int>(value);
    return true;
}

static bool BrowserInstalled(RegLocation location, const char* path)
{
    RegistryKey key(GetProductSubkey(0));
    return key.Open(location, path, true) && key.ValueExists("");
}

bool DetectBrowserProxy(const char* kind, bool* enabled, char* host, int* port)
{
    return FromExplorer(kind, enabled, host, port) || FromNavigator(kind, enabled, host, port)
           || BrowserInstalled(LocalMachine, kExplorerProgramKey) || BrowserInstalled(ClassesRoot, kNavigatorProgramKey);
}
