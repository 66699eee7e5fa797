// A taskbar that never answers: a window of class Shell_TrayWnd on a thread
// that never looks at its messages. Made after the robot's own taskbar, it
// is the one FindWindow finds first. A second thread, which does answer,
// shows a small window titled "Hung taskbar" once the first exists, for
// scenarios to wait for (the robot cannot read a hung window's title).
#include <windows.h>

namespace {

DWORD WINAPI ShowReadyWindow(void* instance)
{
    CreateWindowExA(0, "STATIC", "Hung taskbar", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20, nullptr, nullptr,
                    static_cast<HINSTANCE>(instance), nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&windowClass);
    CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    CloseHandle(CreateThread(nullptr, 0, ShowReadyWindow, instance, 0, nullptr));
    Sleep(INFINITE);
    return 0;
}
