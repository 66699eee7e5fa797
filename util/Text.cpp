#include "util/Text.h"

#include "util/Memory.h"

#include <windows.h>

unsigned long StrLength(const char* text)
{
    unsigned long n = 0;
    if (text)
        while (text[n])
            ++n;
    return n;
}

char* StrDup(const char* text)
{
    unsigned long size = StrLength(text) + 1;
    char* copy = static_cast<char*>(MemAlloc(size));
    if (text)
        MemCopy(copy, text, size);
    return copy;
}

int StrCompareNoCase(const char* a, const char* b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) - CSTR_EQUAL;
}

static unsigned char UpperChar(char c)
{
    // The single-character form: the character travels in the low word of the pointer.
    ULONG_PTR value = static_cast<unsigned char>(c);
    return static_cast<unsigned char>(reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(value))));
}

int StrCompareNoCaseN(const char* a, const char* b, unsigned long count)
{
    for (unsigned long i = 0; i < count; ++i) {
        if (UpperChar(a[i]) != UpperChar(b[i]))
            return UpperChar(a[i]) < UpperChar(b[i]) ? -1 : 1;
    }
    return 0;
}

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigitChar(char c)
{
    return IsDigitChar(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsSpaceChar(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool StrCopyBounded(char* destination, unsigned long capacity, const char* text)
{
    if (capacity == 0)
        return false;
    unsigned long size = StrLength(text) + 1;
    if (size > capacity) {
        destination[0] = 0;
        return false;
    }
    MemMove(destination, text ? text : "", size);
    return true;
}

bool StrAppendBounded(char* destination, unsigned long capacity, const char* text)
{
    unsigned long used = StrLength(destination);
    unsigned long added = StrLength(text);
    if (used + added + 1 > capacity)
        return false;
    MemMove(destination + used, text, added + 1);
    return true;
}

char* StrFindChar(const char* text, char c)
{
    for (; *text; ++text)
        if (*text == c)
            return const_cast<char*>(text);
    return nullptr;
}

char* StrFindLastChar(const char* text, char c)
{
    const char* found = nullptr;
    for (; *text; ++text)
        if (*text == c)
            found = text;
    return const_cast<char*>(found);
}

char* StrFindText(const char* text, const char* part)
{
    unsigned long partLength = StrLength(part);
    for (; *text; ++text)
        if (MemCompare(text, part, partLength) == 0)
            return const_cast<char*>(text);
    return partLength == 0 ? const_cast<char*>(text) : nullptr;
}
