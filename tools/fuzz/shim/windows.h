#pragma once
// Just enough of the Win32 headers for the pure sources to compile on Linux
// under the fuzzer, with the ILP32 sizes of the real target: the harness is
// built with -m32 so that "unsigned long" wraps where it wraps on Windows.
#include <stddef.h>
#include <stdint.h>

static_assert(sizeof(unsigned long) == 4 && sizeof(void*) == 4,
              "build the fuzz targets with -m32: the product's arithmetic is 32-bit");

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef long LONG;
typedef int BOOL;
typedef unsigned int UINT;
typedef unsigned long ULONG_PTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef DWORD COLORREF;
typedef DWORD LCID;
typedef void* HANDLE;
typedef void* HDC;
typedef void* HBRUSH;
typedef void* HGDIOBJ;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(-1))
#define MAX_PATH 260
#define ERROR_ALREADY_EXISTS 183L
#define HEAP_ZERO_MEMORY 0x00000008
#define LOCALE_USER_DEFAULT 0x0400
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define NORM_IGNORECASE 0x00000001
#define CSTR_LESS_THAN 1
#define CSTR_EQUAL 2
#define CSTR_GREATER_THAN 3
#define BI_RGB 0L

#define RGB(r, g, b) \
    (static_cast<COLORREF>((static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8)) \
                           | (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(rgb) (static_cast<BYTE>(rgb))
#define GetGValue(rgb) (static_cast<BYTE>(static_cast<WORD>(rgb) >> 8))
#define GetBValue(rgb) (static_cast<BYTE>((rgb) >> 16))

struct RECT {
    LONG left, top, right, bottom;
};
struct POINT {
    LONG x, y;
};
struct RGBQUAD {
    BYTE rgbBlue, rgbGreen, rgbRed, rgbReserved;
};
struct PALETTEENTRY {
    BYTE peRed, peGreen, peBlue, peFlags;
};

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14, "BITMAPFILEHEADER is 14 bytes on disk");

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes on disk");

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    char cFileName[MAX_PATH];
};

// Implemented in shim.cpp: the text functions as ASCII-only versions, the
// heap over calloc and free. The file-system and drawing functions are there
// only so the sources link; the targets never reach them.
HANDLE GetProcessHeap();
void* HeapAlloc(HANDLE heap, DWORD flags, size_t bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, void* block);
int CompareStringA(LCID locale, DWORD flags, LPCSTR a, int aLength, LPCSTR b, int bLength);
LPSTR CharUpperA(LPSTR text);
DWORD CharLowerBuffA(LPSTR text, DWORD length);
BOOL IsCharAlphaA(char c);
int lstrcmpA(LPCSTR a, LPCSTR b);

DWORD GetLastError();
BOOL CreateDirectoryA(LPCSTR path, void* attributes);
DWORD GetTempPathA(DWORD length, LPSTR buffer);
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* entry);
BOOL FindNextFileA(HANDLE finder, WIN32_FIND_DATAA* entry);
BOOL FindClose(HANDLE finder);
BOOL DeleteFileA(LPCSTR path);
HBRUSH CreateSolidBrush(COLORREF colour);
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL DeleteObject(HGDIOBJ object);
