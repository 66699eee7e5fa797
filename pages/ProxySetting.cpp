#include "pages/ProxySetting.h"

#include <windows.h>

ProxySetting httpProxy = {kProxyTypeNone, "", -1};
const char kHttpProxyKind[] = "HTTP";

void ClearProxySetting(ProxySetting& setting)
{
    setting.type = kProxyTypeNone;
    setting.host[0] = 0;
    setting.port = -1;
}

// The host compares with case.
bool SameProxySetting(const ProxySetting& a, const ProxySetting& b)
{
    return a.type == b.type && lstrcmpA(a.host, b.host) == 0 && a.port == b.port;
}
