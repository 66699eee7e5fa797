#include <windows.h>

#include <stdlib.h>
#include <string.h>

namespace {

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The reached stubs fail loudly: a target that gets here is not pure.
[[noreturn]] void NotForTheFuzzer()
{
    abort();
}

} // namespace

HANDLE GetProcessHeap()
{
    static int heap;
    return &heap;
}

void* HeapAlloc(HANDLE, DWORD flags, size_t bytes)
{
    return flags & HEAP_ZERO_MEMORY ? calloc(bytes ? bytes : 1, 1) : malloc(bytes ? bytes : 1);
}

BOOL HeapFree(HANDLE, DWORD, void* block)
{
    free(block);
    return 1;
}

int CompareStringA(LCID, DWORD flags, LPCSTR a, int aLength, LPCSTR b, int bLength)
{
    size_t m = aLength < 0 ? strlen(a) : static_cast<size_t>(aLength);
    size_t n = bLength < 0 ? strlen(b) : static_cast<size_t>(bLength);
    for (size_t i = 0; i < m && i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(flags & NORM_IGNORECASE ? AsciiUpper(a[i]) : a[i]);
        unsigned char y = static_cast<unsigned char>(flags & NORM_IGNORECASE ? AsciiUpper(b[i]) : b[i]);
        if (x != y)
            return x < y ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    }
    return m == n ? CSTR_EQUAL : m < n ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
}

LPSTR CharUpperA(LPSTR text)
{
    ULONG_PTR value = reinterpret_cast<ULONG_PTR>(text);
    // A pointer with a zero high word carries one character, as on Windows.
    if (value >> 16 == 0)
        return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(AsciiUpper(static_cast<char>(value)))));
    for (char* p = text; *p; ++p)
        *p = AsciiUpper(*p);
    return text;
}

DWORD CharLowerBuffA(LPSTR text, DWORD length)
{
    for (DWORD i = 0; i < length; ++i)
        text[i] = AsciiLower(text[i]);
    return length;
}

BOOL IsCharAlphaA(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int lstrcmpA(LPCSTR a, LPCSTR b)
{
    return strcmp(a, b);
}

DWORD GetLastError() { NotForTheFuzzer(); }
BOOL CreateDirectoryA(LPCSTR, void*) { NotForTheFuzzer(); }
DWORD GetTempPathA(DWORD, LPSTR) { NotForTheFuzzer(); }
HANDLE FindFirstFileA(LPCSTR, WIN32_FIND_DATAA*) { NotForTheFuzzer(); }
BOOL FindNextFileA(HANDLE, WIN32_FIND_DATAA*) { NotForTheFuzzer(); }
BOOL FindClose(HANDLE) { NotForTheFuzzer(); }
BOOL DeleteFileA(LPCSTR) { NotForTheFuzzer(); }

// The gradient's painter is arithmetic around these: it runs, drawing nothing.
HBRUSH CreateSolidBrush(COLORREF) { return nullptr; }
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom)
{
    rect->left = left;
    rect->top = top;
    rect->right = right;
    rect->bottom = bottom;
    return 1;
}
int FillRect(HDC, const RECT*, HBRUSH) { return 1; }
BOOL DeleteObject(HGDIOBJ) { return 1; }
