#include "core/Backdrop.h"

#include "core/BackdropGradient.h"
#include "core/Installer.h"
#include "resources/ResourceIds.h"

const char kBackdropClassName[] = "VOZOREVAZOVEDUDIDOV";

HWND CreateBackdrop(const char* title)
{
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = BackdropWindowProc;
    windowClass.hInstance = module;
    // Null while the program carries no icon; the class still registers.
    windowClass.hIcon = LoadIconA(module, MAKEINTRESOURCEA(IDI_SETUP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = kBackdropClassName;
    // A failed registration (already registered included) shows as a failed creation.
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, kBackdropClassName, title, WS_POPUP | WS_BORDER | WS_SYSMENU,
                           CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, nullptr, nullptr, module, nullptr);
}

void PaintBackdropPicture(HDC dc, HBITMAP picture)
{
    if (!picture)
        return;
    DIBSECTION section = {};
    if (!GetObjectA(picture, sizeof section, &section))
        return;
    HDC memoryDc = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memoryDc, picture);
    BitBlt(dc, 0, 0, section.dsBm.bmWidth, section.dsBm.bmHeight, memoryDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
}

static void PaintBackdrop(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    Installer* installer = CurrentInstaller();
    if (installer) {
        PaintGradient(dc, client, installer->baseColour, installer->lightColour);
        PaintBackdropPicture(dc, installer->backdropImage);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK BackdropWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintBackdrop(window);
        return 0;
    case WM_PALETTECHANGED:
        // A page realising its palette changed the colours under us.
        InvalidateRect(window, nullptr, FALSE);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
