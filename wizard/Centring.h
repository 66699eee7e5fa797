#pragma once
#include <windows.h>

// Position that centres a window by its client size on a desktop whose
// rectangle ends at desktopRight, desktopBottom. The client size (not the outer
// size) is used, so the frame puts the window slightly right of and below the
// exact centre; each half truncates toward zero.
POINT CentredOrigin(int desktopRight, int desktopBottom, int clientWidth, int clientHeight);

// Moves the window to CentredOrigin of its client size on the desktop window,
// keeping its size and z-order.
void CentreOnDesktop(HWND window);
