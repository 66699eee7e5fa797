#include "pages/ProxyServerText.h"

#include "util/Text.h"

#include <windows.h>

// The first place where needle occurs in text, or null.
static char* FindText(char* text, const char* needle)
{
    unsigned long length = StrLength(needle);
    for (; *text; ++text) {
        unsigned long i = 0;
        while (i < length && text[i] == needle[i])
            ++i;
        if (i == length)
            return text;
    }
    return nullptr;
}

static char* FindLastChar(char* text, char c)
{
    char* last = nullptr;
    for (; *text; ++text)
        if (*text == c)
            last = text;
    return last;
}

static const char kEveryProtocolPrefix[] = "http=";

bool FindProxyEntry(char* text, const char* prefix, char** host, const char** portText)
{
    CharLowerBuffA(text, StrLength(text));
    char* entry = FindText(text, prefix);
    if (entry) {
        entry += StrLength(prefix);
    } else if (lstrcmpA(prefix, kEveryProtocolPrefix) == 0 && !StrFindChar(text, '=') && !StrFindChar(text, ';')) {
        entry = text;
    } else {
        return false;
    }
    if (char* end = StrFindChar(entry, ';'))
        *end = 0;
    if (char* scheme = FindText(entry, "://"))
        entry = scheme + 3;
    *portText = nullptr;
    if (char* colon = FindLastChar(entry, ':')) {
        *colon = 0;
        *portText = colon + 1;
    }
    *host = entry;
    return entry[0] != 0;
}

int LeadingDecimalValue(const char* text)
{
    bool negative = *text == '-';
    if (negative)
        ++text;
    unsigned long value = 0;
    for (; IsDigitChar(*text); ++text)
        value = value * 10 + static_cast<unsigned long>(*text - '0');
    return static_cast<int>(negative ? 0 - value : value);
}
