#include "pages/BrowserProxy.h"

#include "core/Installer.h"
#include "integration/RegistryKey.h"
#include "pages/RegistryText.h"
#include "util/Text.h"

bool MakeSavedProxyValueNames(const char* kind, SavedProxyValueNames& names)
{
    return ProxyValueName(names.type, sizeof names.type, kind, "ProxyType")
           && ProxyValueName(names.server, sizeof names.server, kind, "ProxyServer")
           && ProxyValueName(names.port, sizeof names.port, kind, "ProxyPort");
}

// A read that fails leaves its field as it was.
static bool ReadSaved(const char* kind, unsigned long defaultType, ProxySetting& setting)
{
    SavedProxyValueNames names;
    RegistryKey key(GetProductSubkey(0));
    if (!MakeSavedProxyValueNames(kind, names) || !key.Open(SuiteUpdates, nullptr, true) || !key.ValueExists(names.type)
        || !key.ValueExists(names.server) || !key.ValueExists(names.port))
        return false;
    setting.type = defaultType;
    key.ReadDword(names.type, &setting.type);
    ReadTextValue(key, names.server, setting.host, sizeof setting.host);
    unsigned long port;
    if (key.ReadDword(names.port, &port))
        setting.port = static_cast<int>(port);
    return true;
}

void LoadProxyDefaults(const char* kind, unsigned long defaultType, ProxySetting& setting, bool* browserKnown,
                       ProxySetting& browserProxy)
{
    if (ReadSaved(kind, defaultType, setting))
        return;
    bool enabled = false;
    bool found = DetectBrowserProxy(kind, &enabled, setting.host, &setting.port);
    setting.type = enabled ? defaultType : kProxyTypeNone;
    if (found) {
        *browserKnown = true;
        browserProxy = setting;
    }
}
