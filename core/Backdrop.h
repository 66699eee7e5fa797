#pragma once
#include <windows.h>

// The captionless full-screen window behind the whole run. Its procedure reads
// the colours and the optional picture of the CurrentInstaller.
extern const char kBackdropClassName[];

// Registers the class (a repeated registration simply fails) and creates the
// hidden window with the given title. Null when the window cannot be made.
HWND CreateBackdrop(const char* title);

LRESULT CALLBACK BackdropWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the picture unscaled to the top-left corner of dc; nothing for null.
void PaintBackdropPicture(HDC dc, HBITMAP picture);
