#pragma once
// Window helpers of the in-process GUI tests: a message pump, pixels read
// back from the Xvfb screen (what the user sees, not what a window thinks it
// drew) and the colour table of a bitmap.
#include <windows.h>

// Dispatches whatever arrives during about rounds x 10 ms.
inline void PumpMessages(int rounds = 20)
{
    MSG message;
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

inline COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The colour table of a DIB section (up to 256 entries); the count it has.
inline UINT ColourTableOf(HBITMAP bitmap, RGBQUAD* table)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    UINT count = GetDIBColorTable(memory, 0, 256, table);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return count;
}
