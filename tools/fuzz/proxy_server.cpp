// The proxy server text: a byte picking the prefix asked for, then the text.
#include "FuzzInput.h"
#include "pages/ProxyServerText.h"

#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const kPrefixes[] = {"http=", "ftp=", "socks=", "https=", ""};
    FuzzInput input(data, size);
    const char* prefix = kPrefixes[input.Number(1) % (sizeof kPrefixes / sizeof kPrefixes[0])];
    std::string original = input.Text();

    char* text = new char[original.size() + 1];
    memcpy(text, original.c_str(), original.size() + 1);
    char* host = nullptr;
    const char* portText = nullptr;
    bool found = FindProxyEntry(text, prefix, &host, &portText);
    const char* end = text + original.size();
    if (found) {
        FUZZ_CHECK(host >= text && host < end && host[0] != 0);
        // Only the last ":" parts host and port; a host may hold others.
        FUZZ_CHECK(strchr(host, ';') == nullptr);
        if (portText) {
            FUZZ_CHECK(portText > host && portText <= end);
            FUZZ_CHECK(strchr(portText, ';') == nullptr && strchr(portText, ':') == nullptr);
            LeadingDecimalValue(portText);
        }
    }
    int value = LeadingDecimalValue(original.c_str());
    if (original.empty() || original[0] < '0' || original[0] > '9')
        FUZZ_CHECK(original[0] == '-' || value == 0);
    delete[] text;
    return 0;
}
