#include "product/ProductWindow.h"

#include "product/ProductTexts.h"
#include "product/ProductIds.h"
#include "util/CommandLine.h"
#include "util/Format.h"
#include "util/Path.h"

#include <windows.h>

namespace {

const char kWindowClass[] = "AuctionTorvinStandIn";
const unsigned long kLineCapacity = 1024;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// What the window says about the file: the one "/load:" names, or why none.
void DescribeFile(const char* commandLine, char* line)
{
    const char* file = AfterSwitch(SkipProgramName(commandLine), "load");
    char name[kPathCapacity];
    if (!file)
        FormatTextInto(line, kLineCapacity, textNothingToOpen);
    else if (!TakeWholeArgument(file, name, sizeof name))
        FormatTextInto(line, kLineCapacity, textUnusableFileName);
    else
        FormatTextInto(line, kLineCapacity, textAskedToOpen, name);
}

HWND AddControl(HWND parent, const char* className, const char* text, DWORD style, int id, int x, int y,
                int width, int height)
{
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return control;
}

} // namespace

int RunProductWindow(const char* commandLine)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PRODUCT));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowExA(0, kWindowClass, textProgramName, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU
                                  | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 520, 190, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 1;
    char line[kLineCapacity];
    DescribeFile(commandLine, line);
    AddControl(window, "STATIC", textStandInNote, SS_NOPREFIX, kStandInNoteId, 12, 12, 490, 44);
    AddControl(window, "STATIC", line, SS_NOPREFIX, kLoadedFileId, 12, 64, 490, 44);
    AddControl(window, "BUTTON", textCloseButton, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 412, 116, 90, 26);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
