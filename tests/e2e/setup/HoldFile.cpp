// hold_file PATH: creates PATH (and its folders) when missing, opens it with
// no sharing at all, as a running program holds its own file, and shows a
// window titled "Holding" until it is ended. Scenarios wait for that window
// before they start the program that must meet the held file.
#include <windows.h>
#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 2;
    std::string path = __argv[1];
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HWND window = CreateWindowExA(0, "STATIC", "Holding", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20, nullptr, nullptr,
                                  instance, nullptr);
    MSG message;
    while (window && GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    CloseHandle(file);
    return 0;
}
