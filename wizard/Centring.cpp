#include "wizard/Centring.h"

POINT CentredOrigin(int desktopRight, int desktopBottom, int clientWidth, int clientHeight)
{
    POINT origin;
    origin.x = (desktopRight - clientWidth) / 2;
    origin.y = (desktopBottom - clientHeight) / 2;
    return origin;
}

void CentreOnDesktop(HWND window)
{
    RECT client;
    RECT desktop;
    GetClientRect(window, &client);
    GetWindowRect(GetDesktopWindow(), &desktop);
    POINT origin = CentredOrigin(desktop.right, desktop.bottom, client.right, client.bottom);
    SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
