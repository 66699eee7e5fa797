#pragma once
// Answers the message boxes a page shows in the test's own thread: a thread
// timer fires inside the box's modal loop, records the box's text and icon
// and presses the given button. Answers every box while it lives.
#include <string>
#include <vector>
#include <windows.h>

class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int answer) : answer(answer)
    {
        current = this;
        timer = SetTimer(nullptr, 0, 20, &MessageBoxAnswerer::Tick);
    }
    ~MessageBoxAnswerer()
    {
        KillTimer(nullptr, timer);
        current = nullptr;
    }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    int answer;
    // The texts of the boxes answered, in order.
    std::vector<std::string> texts;

private:
    // The message box's text is the static with id 0xFFFF.
    static BOOL CALLBACK Find(HWND window, LPARAM found)
    {
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &MessageBoxAnswerer::Find, reinterpret_cast<LPARAM>(&box));
        // A box already answered may take a moment to close.
        if (!box || !current || box == current->answered)
            return;
        current->answered = box;
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        current->texts.push_back(text);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(current->answer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, current->answer)));
    }

    UINT_PTR timer;
    HWND answered = nullptr;
    static inline MessageBoxAnswerer* current = nullptr;
};
