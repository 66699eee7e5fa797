#pragma once
#include <windows.h>

// The dialog procedure of every wizard page: finds the page behind the window,
// does the activation steps on PSN_SETACTIVE and dispatches to the page.
INT_PTR CALLBACK PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
