#pragma once
#include "pages/ProxySetting.h"

// The browser's proxy for kind ("HTTP"): Internet Explorer's settings, else
// Netscape Navigator's, else success with nothing written when either
// browser is installed without one. enabled, host (kProxyHostCapacity
// bytes) and port change only when a proxy is found; the port also keeps
// its value when the found entry names none. False when no browser is found.
bool DetectBrowserProxy(const char* kind, bool* enabled, char* host, int* port);

// The saved setting of kind from the suite's Updates key when all three
// values are there (browserKnown stays false); otherwise the browser's, with
// defaultType when the browser's proxy is enabled, and then browserKnown is
// set and browserProxy holds it.
void LoadProxyDefaults(const char* kind, unsigned long defaultType, ProxySetting& setting, bool* browserKnown,
                       ProxySetting& browserProxy);

// The value name of kind followed by suffix ("HTTP" "ProxyType"), false when
// it does not fit capacity.
bool ProxyValueName(char* name, unsigned long capacity, const char* kind, const char* suffix);

// The names of the saved setting's three values in the suite's Updates key:
// HTTPProxyType, HTTPProxyServer and HTTPProxyPort for kind "HTTP".
const unsigned long kProxyValueNameCapacity = 64;
struct SavedProxyValueNames {
    char type[kProxyValueNameCapacity];
    char server[kProxyValueNameCapacity];
    char port[kProxyValueNameCapacity];
};
bool MakeSavedProxyValueNames(const char* kind, SavedProxyValueNames& names);
