#pragma once
// Window helpers of the in-process GUI tests: a message pump and pixels read
// back from the Xvfb screen (what the user sees, not what a window thinks it drew).
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
