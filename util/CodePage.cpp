#include "util/CodePage.h"

#include "util/Memory.h"
#include "util/Text.h"

#include <windows.h>

char* CopyWithHighBytesMasked(const char* text)
{
    char* copy = StrDup(text);
    for (char* p = copy; *p; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80)
            *p = '*';
    return copy;
}

char* ConvertFrom1252(const char* text)
{
    int wideCount = MultiByteToWideChar(1252, 0, text, -1, nullptr, 0);
    if (wideCount == 0)
        return CopyWithHighBytesMasked(text);
    WCHAR* wide = static_cast<WCHAR*>(MemAlloc((wideCount + 1) * sizeof(WCHAR)));
    MultiByteToWideChar(1252, 0, text, -1, wide, wideCount);
    wide[wideCount] = 0;
    const DWORD flags = WC_COMPOSITECHECK | WC_DISCARDNS;
    int byteCount = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, "*", nullptr);
    char* ansi = static_cast<char*>(MemAlloc(byteCount + 1));
    WideCharToMultiByte(CP_ACP, flags, wide, -1, ansi, byteCount, "*", nullptr);
    ansi[byteCount] = 0;
    MemFree(wide);
    return ansi;
}
