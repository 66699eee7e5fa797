#pragma once

const unsigned long kProxyHostCapacity = 256;

// Positions in the proxy page's type list.
const unsigned long kProxyTypeNone = 0;
const unsigned long kProxyTypeCern = 1;
const unsigned long kProxyTypeSocks = 2;

// One proxy setting; port -1 when there is none.
struct ProxySetting {
    unsigned long type;
    char host[kProxyHostCapacity];
    int port;
};

// The HTTP setting the proxy page edits; "HTTP" is its kind, part of its
// registry value names and of a message.
extern ProxySetting httpProxy;
extern const char kHttpProxyKind[];

// type None, no host, no port.
void ClearProxySetting(ProxySetting& setting);
bool SameProxySetting(const ProxySetting& a, const ProxySetting& b);
